#include "sheet/outputfile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>

namespace sheet {
namespace {

constexpr int kNameAttempts = 16;

std::string hexName(std::random_device& random)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string name;
    for (int i = 0; i < 12; ++i)
        name += kDigits[random() % 16];
    return name;
}

} // namespace

OutputFile::OutputFile(std::filesystem::path target)
    : m_shownName(target.string())
    , m_target(std::move(target))
{
    namespace fs = std::filesystem;
    std::error_code error;
    // A link is followed, so that the file it points to is replaced and the link stays.
    if (fs::is_symlink(fs::symlink_status(m_target, error)))
        m_target = fs::weakly_canonical(m_target, error);
    const fs::file_status status = fs::status(m_target, error);
    if (fs::is_directory(status))
        fail(std::strerror(EISDIR));
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        // A device or a pipe (/dev/null, /dev/stdout, a FIFO) cannot be replaced: it takes the
        // bytes as they come.
        errno = 0;
        m_stream.open(m_target, std::ios::binary);
        if (!m_stream)
            fail(std::strerror(errno ? errno : EACCES));
        return;
    }

    fs::path folder = m_target.parent_path();
    if (folder.empty())
        folder = ".";
    std::random_device random;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const fs::path candidate = folder / ("." + m_target.filename().string() + ".tmp-" + hexName(random));
        // "x": never take over a file that is already there.
        errno = 0;
        if (std::FILE* file = std::fopen(candidate.c_str(), "wbx")) {
            std::fclose(file);
            m_temporary = candidate;
            break;
        }
        if (errno != EEXIST)
            fail(std::strerror(errno));
    }
    if (m_temporary.empty())
        fail(std::strerror(EEXIST));
    // A file that is replaced keeps who may read and write it.
    if (fs::is_regular_file(status))
        fs::permissions(m_temporary, status.permissions(), error);

    m_stream.open(m_temporary, std::ios::binary | std::ios::trunc);
    if (!m_stream) {
        // The destructor does not run for a constructor that throws.
        fs::remove(m_temporary, error);
        fail("cannot open a temporary file beside it");
    }
}

OutputFile::~OutputFile()
{
    if (!m_committed && !m_temporary.empty()) {
        m_stream.close();
        std::error_code ignored;
        std::filesystem::remove(m_temporary, ignored);
    }
}

void OutputFile::commit()
{
    m_stream.flush();
    if (!m_stream)
        fail("writing failed");
    m_stream.close();
    if (!m_stream)
        fail("writing failed");
    if (m_temporary.empty())
        return; // written straight to the device or pipe
    std::error_code error;
    std::filesystem::rename(m_temporary, m_target, error);
    if (error)
        fail(error.message());
    m_committed = true;
}

void OutputFile::fail(const std::string& reason)
{
    throw OutputError("cannot write \"" + m_shownName + "\": " + reason);
}

} // namespace sheet
