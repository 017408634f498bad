// SPDX-License-Identifier: MIT

#include "map/motion.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

int Truncate(float value)
{
    return static_cast<int>(std::trunc(value));
}

} // namespace

MotionProfile MotionProfile::Plan(int distance, int maxSpeed, int acceleration, bool accelerate)
{
    MotionProfile p;
    p.distance = distance;
    p.maxSpeed = static_cast<float>(maxSpeed);
    p.acceleration = static_cast<float>(acceleration);
    const float v = p.maxSpeed;
    const float a = p.acceleration;
    const float d = static_cast<float>(distance);

    // A ramp needs a positive acceleration; anything else would run backwards or never end.
    float t1 = accelerate && acceleration > 0 ? v / a : 0.0f;
    float rampDistance = (a / 2.0f) * t1 * t1;
    if (d / 2.0f < rampDistance) {
        // The top speed is never reached: speed up for half the way, slow down for the rest.
        rampDistance = d / 2.0f;
        t1 = std::sqrt(2.0f * rampDistance / a);
        p.totalTime = 2.0f * t1;
    } else {
        p.totalTime = (d - 2.0f * rampDistance) / v + 2.0f * t1;
    }
    p.rampTime = t1;
    return p;
}

int MotionProfile::TravelAt(float t) const
{
    const float a = acceleration;
    const float t1 = rampTime;
    const float total = totalTime;
    if (t > total)
        return distance;
    const float slowFrom = std::max(total, 2.0f * t1) - t1;
    const float peakSpeed = slowFrom == t1 ? a * t1 : maxSpeed;
    if (t <= t1)
        return Truncate((a / 2.0f) * t * t);
    const float rampDistance = (a / 2.0f) * t1 * t1;
    if (t <= slowFrom)
        return std::min(Truncate(peakSpeed * (t - t1) + rampDistance), distance);
    const float cruiseEnd = peakSpeed * (slowFrom - t1) + rampDistance;
    const float s = t - slowFrom;
    return std::min(Truncate(peakSpeed * s + cruiseEnd - (a / 2.0f) * s * s), distance);
}

SmoothMotion::SmoothMotion(int dx, int dy, int maxSpeed, int acceleration, bool accelerate)
    : m_signX(dx < 0 ? -1 : 1), m_signY(dy < 0 ? -1 : 1), m_lengthX(std::abs(dx)),
      m_lengthY(std::abs(dy))
{
    const int d = std::max(m_lengthX, m_lengthY);
    if (d == 0)
        return;
    m_finished = false;
    if (maxSpeed <= 0) {
        // No speed to move at: the whole distance in the first step.
        m_profile.distance = d;
        return;
    }
    m_profile = MotionProfile::Plan(d, maxSpeed, acceleration, accelerate);
    m_ratioX = m_lengthX == d ? 1.0f : static_cast<float>(m_lengthX) / static_cast<float>(d);
    m_ratioY = m_lengthY == d ? 1.0f : static_cast<float>(m_lengthY) / static_cast<float>(d);
}

MotionStep SmoothMotion::StepAt(float t)
{
    if (m_finished)
        return {};
    // The last step lands on the target itself rather than on a rounded product, so the
    // motion always ends exactly where it was asked to.
    if (t >= m_profile.totalTime)
        return Finish();
    // Near the end the single-precision profile can dip a pixel below a value it already gave;
    // the picture never steps back.
    const float d = static_cast<float>(m_profile.TravelAt(t));
    const int toX = std::clamp(static_cast<int>(std::trunc(d * m_ratioX)), m_doneX, m_lengthX);
    const int toY = std::clamp(static_cast<int>(std::trunc(d * m_ratioY)), m_doneY, m_lengthY);
    return Advance(toX, toY);
}

MotionStep SmoothMotion::Finish()
{
    if (m_finished)
        return {};
    m_finished = true;
    return Advance(m_lengthX, m_lengthY);
}

MotionStep SmoothMotion::Advance(int toX, int toY)
{
    const MotionStep step{m_signX * (toX - m_doneX), m_signY * (toY - m_doneY)};
    m_doneX = toX;
    m_doneY = toY;
    return step;
}
