#pragma once

#include <memory>
#include <string>
#include <vector>

// The settings file in the private-profile format: [Section] lines, each followed by
// Key=Value lines. Sections and keys match case-insensitively; values are read trimmed of
// surrounding blanks; a written value replaces the old one in place, a missing key is
// appended to its section, a missing section at the end; every other line is kept.
//
// Writes change the object's copy in memory; the file is written once, when the object is
// released (or on UpdateFile), atomically through a temporary file in the same folder, so a
// failure never leaves a half-written file. A failed write raises EIniFileException
// "Unable to write to %s" with the file's full path.
class TIniFile {
public:
    explicit TIniFile(std::string fileName);
    // Writes pending changes. Never throws: call UpdateFile first to see a failure.
    ~TIniFile();
    TIniFile(const TIniFile&) = delete;
    TIniFile& operator=(const TIniFile&) = delete;

    const std::string& FileName() const { return m_fileName; }

    // At most 2047 characters; a missing key gives `defaultValue`, an empty value "". Quotes
    // around a value are part of it (a caption may be a lone quote). With two equal sections
    // or keys, the first is read and written.
    std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue) const;
    // Decimal, "$" hex, or "0x"/"0X" hex (longer than two characters), as a 32-bit signed
    // integer; a missing key, an empty value or text that does not convert gives the default.
    // Hex takes up to 32 bits and wraps ($FFFFFFFF is -1); wider values do not convert.
    int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
    // An integer with default 1 or 0; any non-zero value is true.
    bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;

    // Line breaks in a section, key or value are written as blanks, so a text cannot add lines.
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int value);
    void WriteBool(const std::string& section, const std::string& key, bool value);

    bool SectionExists(const std::string& section) const;
    bool ValueExists(const std::string& section, const std::string& key) const;

    // Writes pending changes now; raises EIniFileException on failure (the changes stay
    // pending, so the destructor tries once more without throwing).
    void UpdateFile();
    // Forgets the pending changes: the file stays as it is, also when the object is released.
    void DiscardChanges();

private:
    struct TImpl;
    std::string m_fileName;
    std::unique_ptr<TImpl> m_impl;
};

// Converts settings-file integer text; false when it does not convert.
bool TryStrToInt(const std::string& text, int& value);
