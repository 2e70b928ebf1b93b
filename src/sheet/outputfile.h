// Writes the worksheet so that an output file appears whole or not at all: the bytes go to a
// temporary file beside the target, which replaces the target only when commit() succeeds. A
// file that is never committed is removed, also when the program is interrupted (SIGINT,
// SIGTERM, SIGHUP, SIGPIPE), so a failed run leaves nothing behind and an earlier file as it was.
// A device or a pipe (/dev/stdout, a FIFO) is written straight, as it cannot be replaced; a link,
// even one whose target does not exist yet, is written through.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <streambuf>
#include <string>
#include <vector>

namespace sheet {

// What went wrong, as one line naming the file and giving the system's reason.
class OutputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A stream onto an open file descriptor that keeps the system's reason when a write fails.
class DescriptorStream : public std::ostream {
public:
    explicit DescriptorStream(int descriptor);

    // Writes out what is still buffered; false when any write has failed.
    bool finish();

    // The system's reason for the first failed write ("No space left on device"), or empty.
    std::string failure() const;

private:
    class Buffer : public std::streambuf {
    public:
        explicit Buffer(int descriptor);
        bool drain();
        int error() const { return m_error; }

    protected:
        int_type overflow(int_type c) override;
        int sync() override;

    private:
        int m_descriptor;
        int m_error = 0; // errno of the first failed write
        std::vector<char> m_bytes;
    };

    Buffer m_buffer;
};

class OutputFile {
public:
    // Opens the device, or creates the temporary file; throws OutputError when the target
    // cannot be written (its folder is missing or closed to the user, it is a folder, a
    // read-only file, a loop of links).
    explicit OutputFile(const std::filesystem::path& target);
    ~OutputFile();

    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    std::ostream& stream() { return *m_stream; }

    // Writes out, closes and renames over the target; throws OutputError on any failure.
    void commit();

private:
    [[noreturn]] void fail(const std::string& reason) const;
    [[noreturn]] void failWith(int error) const;
    void open(const std::filesystem::path& target);
    void createTemporary(const std::filesystem::path& file, bool replacing);
    void release();

    std::string m_shownName; // as the user gave it
    int m_descriptor = -1;
    int m_folder = -1;       // where the temporary file is made; -1 when written straight
    std::string m_name;      // the target's name in that folder
    std::string m_temporary; // the temporary file's name in that folder
    std::optional<DescriptorStream> m_stream;
    bool m_catching = false; // the interruptions' handlers are installed
    bool m_committed = false;
};

} // namespace sheet
