// SPDX-License-Identifier: MIT

#pragma once

// The smooth motion of the scrolling pictures: speed up, cruise at the top speed, slow down.
// Pure arithmetic on single-precision times, so it can be driven by any clock.

// Speed of one motion along its longer axis.
struct MotionProfile
{
    int distance = 0;          // D, whole pixels, > 0
    float acceleration = 0.0f; // a, pixels per second squared
    float maxSpeed = 0.0f;     // top speed, pixels per second
    float rampTime = 0.0f;     // t1: time spent speeding up (and again slowing down)
    float totalTime = 0.0f;    // T

    // maxSpeed must be positive. Without accelerate, or with an acceleration that is not
    // positive, the motion runs at the top speed throughout.
    static MotionProfile Plan(int distance, int maxSpeed, int acceleration, bool accelerate);

    // Whole pixels covered at time t (seconds from the start); distance once t passes totalTime.
    int TravelAt(float t) const;
};

struct MotionStep
{
    int dx = 0;
    int dy = 0;
    bool IsZero() const { return dx == 0 && dy == 0; }
    friend bool operator==(const MotionStep &, const MotionStep &) = default;
};

// One motion by (dx, dy) cut into whole-pixel steps. The longer axis follows the profile, the
// shorter one in proportion; the last step always lands exactly on (dx, dy).
class SmoothMotion
{
public:
    SmoothMotion() = default;
    // A top speed that is not positive means no motion: everything in the first step.
    SmoothMotion(int dx, int dy, int maxSpeed, int acceleration, bool accelerate);

    // The step to take at elapsed time t, in seconds. The step taken at the first t that reaches
    // the end of the motion finishes it. A step of (0, 0) means nothing to do yet.
    MotionStep StepAt(float t);
    // What remains to reach the end, all at once; the motion is finished afterwards.
    MotionStep Finish();

    bool IsFinished() const { return m_finished; }
    float Duration() const { return m_profile.totalTime; }
    const MotionProfile &Profile() const { return m_profile; }
    MotionStep Done() const { return {m_signX * m_doneX, m_signY * m_doneY}; }

private:
    MotionStep Advance(int toX, int toY);

    MotionProfile m_profile;
    int m_signX = 1;
    int m_signY = 1;
    int m_lengthX = 0; // |dx|
    int m_lengthY = 0; // |dy|
    float m_ratioX = 0.0f;
    float m_ratioY = 0.0f;
    int m_doneX = 0;
    int m_doneY = 0;
    bool m_finished = true;
};
