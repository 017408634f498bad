// SPDX-License-Identifier: MIT
#pragma once

// Large generated tables of names, packed at compile time into one block of text and the
// offsets into it. A table of string_views holds a pointer per string, which the loader must
// relocate: every page of it becomes the process's own memory at start. Packed, the table has
// no pointers and stays in pages shared with the program's file.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

template <std::size_t Rows, std::size_t Columns, std::size_t Bytes> class PackedStrings
{
public:
    static constexpr std::size_t size() { return Rows; }

    constexpr std::string_view At(std::size_t row, std::size_t column) const
    {
        const std::size_t i = row * Columns + column;
        return {m_text.data() + m_starts[i], m_starts[i + 1] - m_starts[i]};
    }

    template <typename Row, typename Split>
    static constexpr PackedStrings Pack(const std::array<Row, Rows> &rows, Split split)
    {
        PackedStrings packed;
        std::size_t at = 0;
        std::size_t i = 0;
        for (const Row &row : rows) {
            for (const std::string_view text : split(row)) {
                packed.m_starts[i++] = static_cast<std::uint32_t>(at);
                for (const char c : text)
                    packed.m_text[at++] = c;
            }
        }
        packed.m_starts[i] = static_cast<std::uint32_t>(at);
        return packed;
    }

private:
    std::array<char, Bytes> m_text{};
    std::array<std::uint32_t, Rows * Columns + 1> m_starts{};
};

// The bytes that Pack needs for rows whose strings split() returns. The rows are then used
// only at compile time, so they are not emitted:
//   constexpr auto Split = [](const Row &r) { return std::array{r.a, r.b}; };
//   constexpr auto Packed =
//       PackedStrings<Rows.size(), 2, PackedBytes(Rows, Split)>::Pack(Rows, Split);
template <typename Row, std::size_t Rows, typename Split>
constexpr std::size_t PackedBytes(const std::array<Row, Rows> &rows, Split split)
{
    std::size_t bytes = 0;
    for (const Row &row : rows)
        for (const std::string_view text : split(row))
            bytes += text.size();
    return bytes;
}
