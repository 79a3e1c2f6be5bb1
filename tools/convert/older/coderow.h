// Text rows of the compiled-in conversion tables and their binary search.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kelvarin {

// One row of a conversion table: the row text as the table writes it and its
// first four characters packed big-endian, so that comparing keys as numbers
// compares them byte by byte.
struct CodeRow {
    std::uint32_t key;
    char text[12];
};

// A whole table, so that a converter variant can name the table it uses.
struct CodeTableView {
    const CodeRow* rows;
    std::size_t size;
};

template <std::size_t N>
constexpr CodeTableView ViewOf(const CodeRow (&table)[N])
{
    return CodeTableView{table, N};
}

// The key of four characters of text (a record field or a row).
constexpr std::uint32_t PackCodeKey(const char* text)
{
    return (static_cast<std::uint32_t>(static_cast<unsigned char>(text[0])) << 24) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(text[1])) << 16) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(text[2])) << 8) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(text[3]));
}

// The key of a four-digit number 0..9999 written with leading zeros.
constexpr std::uint32_t NumberCodeKey(int number)
{
    const char digits[4] = {static_cast<char>('0' + number / 1000 % 10),
                            static_cast<char>('0' + number / 100 % 10),
                            static_cast<char>('0' + number / 10 % 10),
                            static_cast<char>('0' + number % 10)};
    return PackCodeKey(digits);
}

// Binary search; with repeated keys the first row of the key is found.
// Null when the key is not in the table.
constexpr const CodeRow* FindCodeRow(CodeTableView table, std::uint32_t key)
{
    std::size_t low = 0;
    std::size_t high = table.size;
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (table.rows[middle].key < key)
            low = middle + 1;
        else
            high = middle;
    }
    return low < table.size && table.rows[low].key == key ? &table.rows[low] : nullptr;
}

// The class character of a row (its fifth character).
constexpr char RowClass(const CodeRow& row)
{
    return row.text[4];
}

// The number written in `count` characters of a row from `offset`; -1 when
// one of them is not a digit.
constexpr int RowNumber(const CodeRow& row, int offset, int count)
{
    int value = 0;
    for (int i = offset; i < offset + count; ++i) {
        const char c = row.text[i];
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace kelvarin
