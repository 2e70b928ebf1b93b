// Writes an output file so that it appears whole or not at all: the bytes go to a temporary
// file beside the target, which replaces the target only when commit() succeeds. A file that is
// never committed is removed, so a failed run leaves nothing behind. A device or a pipe
// (/dev/stdout, a FIFO) is written straight, as it cannot be replaced; a link is followed.
#pragma once

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace sheet {

// What went wrong, as one line naming the file.
class OutputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class OutputFile {
public:
    // Creates the temporary file; throws OutputError when the target's folder cannot take it
    // or the target is a folder.
    explicit OutputFile(std::filesystem::path target);
    ~OutputFile();

    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    std::ostream& stream() { return m_stream; }

    // Flushes, closes and renames over the target; throws OutputError on any failure.
    void commit();

private:
    [[noreturn]] void fail(const std::string& reason);

    std::string m_shownName; // as the user gave it
    std::filesystem::path m_target;
    std::filesystem::path m_temporary; // empty where the target is written straight
    std::ofstream m_stream;
    bool m_committed = false;
};

} // namespace sheet
