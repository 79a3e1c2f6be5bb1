// Build-time generator of the compiled-in conversion tables.
//
//   codetablegen rows  <data file> <header> <table name>
//   codetablegen codes <data file> <header> <table name>
//
// "rows": one text row per line, keyed by its first four characters; the
// header gets an inline constexpr array of CodeRow.
// "codes": one decimal code per line; the header gets an inline constexpr
// array of int.
// Lines end in LF or CR LF. The input must be sorted by key (equal keys are
// kept in file order); anything malformed stops the build with a message.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kMaxRowLength = 11;

[[noreturn]] void Fail(const std::string& file, std::size_t line, const std::string& what)
{
    std::cerr << file << ":" << line << ": " << what << "\n";
    std::exit(1);
}

std::vector<std::string> ReadLines(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        Fail(file, 0, "cannot open");
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

unsigned long PackKey(const std::string& row)
{
    unsigned long key = 0;
    for (int i = 0; i < 4; ++i)
        key = (key << 8) | static_cast<unsigned char>(row[i]);
    return key;
}

std::string Escaped(const std::string& row)
{
    std::string out;
    for (char c : row) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (c == '?')  // keeps "??" from forming a trigraph-like sequence
            out += '\\';
        out += c;
    }
    return out;
}

void WriteRows(const std::string& file, const std::vector<std::string>& lines, std::ostream& out,
               const std::string& name)
{
    out << "inline constexpr CodeRow " << name << "[] = {\n";
    unsigned long previous = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& row = lines[i];
        if (row.size() < 5 || row.size() > kMaxRowLength)
            Fail(file, i + 1, "row length " + std::to_string(row.size()) + " outside 5.." +
                                  std::to_string(kMaxRowLength));
        const unsigned long key = PackKey(row);
        if (i > 0 && key < previous)
            Fail(file, i + 1, "row out of order: " + row);
        previous = key;
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%08lXu", key);
        out << "    {" << hex << ", \"" << Escaped(row) << "\"},\n";
    }
    out << "};\n";
}

void WriteCodes(const std::string& file, const std::vector<std::string>& lines, std::ostream& out,
                const std::string& name)
{
    out << "inline constexpr int " << name << "[] = {\n";
    long previous = -1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& text = lines[i];
        if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
            Fail(file, i + 1, "not a code: " + text);
        const long code = std::stol(text);
        if (code <= previous)
            Fail(file, i + 1, "code out of order or repeated: " + text);
        previous = code;
        out << "    " << code << ",\n";
    }
    out << "};\n";
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::cerr << "usage: codetablegen rows|codes <data file> <header> <table name>\n";
        return 2;
    }
    const std::string kind = argv[1];
    const std::string input = argv[2];
    const std::string output = argv[3];
    const std::string name = argv[4];
    const std::vector<std::string> lines = ReadLines(input);
    if (lines.empty())
        Fail(input, 0, "empty table");

    std::ofstream out(output, std::ios::binary);
    if (!out)
        Fail(output, 0, "cannot write");
    out << "// Generated from " << input.substr(input.find_last_of('/') + 1)
        << " by codetablegen; do not edit.\n#pragma once\n\n";
    if (kind == "rows") {
        out << "#include \"tools/convert/older/coderow.h\"\n\nnamespace kelvarin {\n\n";
        WriteRows(input, lines, out, name);
    } else if (kind == "codes") {
        out << "namespace kelvarin {\n\n";
        WriteCodes(input, lines, out, name);
    } else {
        std::cerr << "unknown kind " << kind << "\n";
        return 2;
    }
    out << "\n}  // namespace kelvarin\n";
    return out.good() ? 0 : 1;
}
