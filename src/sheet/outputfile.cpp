#include "sheet/outputfile.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sheet {
namespace fs = std::filesystem;

namespace {

constexpr std::size_t kBufferBytes = 64 * 1024;
constexpr int kNameAttempts = 16;
constexpr int kMostLinks = 40; // as many as the system follows in one path

#ifdef O_PATH
constexpr int kFolderAccess = O_PATH; // a folder the user may write to but not list still serves
#else
constexpr int kFolderAccess = O_RDONLY;
#endif

// The signals that end the program part-way: Ctrl-C, kill, a closed terminal, a closed pipe.
constexpr std::array kInterruptions = {SIGINT, SIGTERM, SIGHUP, SIGPIPE};

// The temporary file being written, for the signal handler: its folder and its name there.
volatile std::sig_atomic_t g_pendingFolder = -1;
char g_pendingName[64];
std::array<struct sigaction, kInterruptions.size()> g_previousActions;

extern "C" void removeTemporaryAndStop(int number)
{
    if (g_pendingFolder >= 0)
        unlinkat(g_pendingFolder, g_pendingName, 0);
    // The handler was reset to the default on entry: the signal raised again ends the program
    // as it would have ended, once this handler returns.
    raise(number);
}

// Holds the interrupting signals back while the record of the temporary file changes, so that
// the handler never meets it half made.
class HeldInterruptions {
public:
    HeldInterruptions()
    {
        sigset_t held;
        sigemptyset(&held);
        for (int signal : kInterruptions)
            sigaddset(&held, signal);
        pthread_sigmask(SIG_BLOCK, &held, &m_before);
    }
    ~HeldInterruptions() { pthread_sigmask(SIG_SETMASK, &m_before, nullptr); }
    HeldInterruptions(const HeldInterruptions&) = delete;
    HeldInterruptions& operator=(const HeldInterruptions&) = delete;

private:
    sigset_t m_before;
};

void catchInterruptions()
{
    struct sigaction action {};
    action.sa_handler = removeTemporaryAndStop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;
    for (std::size_t i = 0; i < kInterruptions.size(); ++i) {
        sigaction(kInterruptions[i], nullptr, &g_previousActions[i]);
        // A signal the caller chose to ignore (nohup) stays ignored.
        if (g_previousActions[i].sa_handler != SIG_IGN)
            sigaction(kInterruptions[i], &action, nullptr);
    }
}

void releaseInterruptions()
{
    for (std::size_t i = 0; i < kInterruptions.size(); ++i)
        sigaction(kInterruptions[i], &g_previousActions[i], nullptr);
}

std::string temporaryName(std::random_device& random)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    // A short name of its own, not one made from the target's, fits beside any legal name.
    std::string name = ".chalkface-sheet-";
    for (int i = 0; i < 12; ++i)
        name += kDigits[random() % 16];
    return name + ".tmp";
}

// The file a path names once the links in its last part are followed, whether or not that file
// exists yet.
fs::path followLinks(fs::path path, std::error_code& error)
{
    for (int hop = 0; hop <= kMostLinks; ++hop) {
        const fs::file_status status = fs::symlink_status(path, error);
        if (error) {
            if (status.type() == fs::file_type::not_found)
                error.clear(); // the folder's absence is told when the folder is opened
            return path;
        }
        if (!fs::is_symlink(status))
            return path;
        const fs::path next = fs::read_symlink(path, error);
        if (error)
            return {};
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    return {};
}

} // namespace

DescriptorStream::Buffer::Buffer(int descriptor)
    : m_descriptor(descriptor)
    , m_bytes(kBufferBytes)
{
    setp(m_bytes.data(), m_bytes.data() + m_bytes.size());
}

bool DescriptorStream::Buffer::drain()
{
    const char* next = pbase();
    while (m_error == 0 && next < pptr()) {
        const ssize_t written = ::write(m_descriptor, next, static_cast<std::size_t>(pptr() - next));
        if (written >= 0)
            next += written;
        else if (errno != EINTR)
            m_error = errno;
    }
    setp(m_bytes.data(), m_bytes.data() + m_bytes.size());
    return m_error == 0;
}

DescriptorStream::Buffer::int_type DescriptorStream::Buffer::overflow(int_type c)
{
    if (!drain())
        return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int DescriptorStream::Buffer::sync()
{
    return drain() ? 0 : -1;
}

DescriptorStream::DescriptorStream(int descriptor)
    : std::ostream(nullptr)
    , m_buffer(descriptor)
{
    rdbuf(&m_buffer);
}

bool DescriptorStream::finish()
{
    return static_cast<bool>(flush()) && m_buffer.error() == 0;
}

std::string DescriptorStream::failure() const
{
    return m_buffer.error() == 0 ? std::string() : std::strerror(m_buffer.error());
}

OutputFile::OutputFile(const fs::path& target)
    : m_shownName(target.string())
{
    // The destructor does not run for a constructor that throws.
    try {
        open(target);
    } catch (...) {
        release();
        throw;
    }
}

void OutputFile::open(const fs::path& target)
{
    std::error_code error;
    const fs::file_status status = fs::status(target, error);
    // A missing file is made; a missing folder, or a file where a folder should be, is told when
    // the folder is opened.
    if (error && error != std::errc::no_such_file_or_directory && error != std::errc::not_a_directory)
        fail(error.message());
    if (fs::is_directory(status))
        failWith(EISDIR);
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        // A device or a pipe (/dev/null, /dev/stdout, a FIFO) takes the bytes as they come.
        m_descriptor = ::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (m_descriptor < 0)
            failWith(errno);
        m_stream.emplace(m_descriptor);
        return;
    }

    const fs::path file = followLinks(target, error);
    if (error)
        fail(error.message());
    const bool replacing = fs::is_regular_file(status);
    // A file the user may not write is refused, as a shell's redirection would refuse it, rather
    // than replaced.
    if (replacing && ::access(file.c_str(), W_OK) != 0)
        failWith(errno);
    createTemporary(file, replacing);
    m_stream.emplace(m_descriptor);
}

void OutputFile::createTemporary(const fs::path& file, bool replacing)
{
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    m_folder = ::open(folder.c_str(), kFolderAccess | O_DIRECTORY | O_CLOEXEC);
    if (m_folder < 0)
        failWith(errno);
    m_name = file.filename().string();

    catchInterruptions();
    m_catching = true;
    std::random_device random;
    for (int attempt = 0; attempt < kNameAttempts && m_descriptor < 0; ++attempt) {
        const std::string name = temporaryName(random);
        const HeldInterruptions held;
        // O_EXCL: never take over a file that is already there.
        m_descriptor = ::openat(m_folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_descriptor >= 0) {
            m_temporary = name;
            std::strncpy(g_pendingName, name.c_str(), sizeof g_pendingName - 1);
            g_pendingFolder = m_folder;
        } else if (errno != EEXIST) {
            failWith(errno);
        }
    }
    if (m_descriptor < 0)
        failWith(EEXIST);
    // A file that is replaced keeps who may read and write it.
    struct stat old {};
    if (replacing && (::stat(file.c_str(), &old) != 0 || ::fchmod(m_descriptor, old.st_mode & 07777) != 0))
        failWith(errno);
}

OutputFile::~OutputFile()
{
    release();
}

void OutputFile::release()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
    if (!m_committed && !m_temporary.empty()) {
        const HeldInterruptions held;
        ::unlinkat(m_folder, m_temporary.c_str(), 0);
        g_pendingFolder = -1;
    }
    if (m_catching)
        releaseInterruptions();
    if (m_folder >= 0)
        ::close(m_folder);
}

void OutputFile::commit()
{
    if (!m_stream->finish())
        fail(m_stream->failure());
    const int descriptor = m_descriptor;
    m_descriptor = -1;
    // Some file systems report a failed write only when the file is closed.
    if (::close(descriptor) != 0)
        failWith(errno);
    if (m_folder < 0)
        return; // written straight to the device or pipe
    const HeldInterruptions held;
    if (::renameat(m_folder, m_temporary.c_str(), m_folder, m_name.c_str()) != 0)
        failWith(errno);
    g_pendingFolder = -1;
    m_committed = true;
}

void OutputFile::fail(const std::string& reason) const
{
    throw OutputError("cannot write \"" + m_shownName + "\": " + reason);
}

void OutputFile::failWith(int error) const
{
    fail(std::strerror(error));
}

} // namespace sheet
