// POSIX file helpers: the temporary-file-and-rename dance lives here once.
#include "platform/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace quelm {

namespace {

std::string ErrnoText() { return std::strerror(errno); }

bool WriteAll(int fd, std::string_view content) {
  std::size_t done = 0;
  while (done < content.size()) {
    const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

ReadFileOutcome ReadFileBytes(const std::string& path, std::size_t maxBytes, std::string& content) {
  content.clear();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT || errno == ENOTDIR ? ReadFileOutcome::Missing
                                                         : ReadFileOutcome::Error;
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    ::close(fd);
    return ReadFileOutcome::Error;
  }
  if (!S_ISREG(st.st_mode)) {
    ::close(fd);
    return ReadFileOutcome::NotAFile;
  }
  if (static_cast<unsigned long long>(st.st_size) > maxBytes) {
    ::close(fd);
    return ReadFileOutcome::TooLarge;
  }
  content.resize(static_cast<std::size_t>(st.st_size));
  std::size_t done = 0;
  // The file may change size under us; read what is there up to the size seen.
  while (done < content.size()) {
    const ssize_t n = ::read(fd, content.data() + done, content.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      content.clear();
      return ReadFileOutcome::Error;
    }
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  content.resize(done);
  ::close(fd);
  return ReadFileOutcome::Ok;
}

bool WriteFileAtomically(const std::string& path, std::string_view content, bool createParents,
                         Phrase* error) {
  namespace fs = std::filesystem;
  auto fail = [&](Phrase why) {
    if (error) *error = std::move(why);
    return false;
  };
  if (path.empty()) return fail(Phrase::Say("empty file name"));

  std::error_code ec;
  fs::path target(path);
  if (fs::is_symlink(target, ec)) {
    const fs::path resolved = fs::weakly_canonical(target, ec);
    if (!ec) target = resolved;
  }
  if (fs::is_directory(target, ec)) return fail(Phrase::Say("it is a directory"));
  const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
  if (createParents && !fs::exists(dir, ec)) {
    fs::create_directories(dir, ec);
    if (ec) return fail(ec.message());
  }

  std::string tempName = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(tempName.data());
  if (fd < 0) return fail(ErrnoText());

  // Keep the permissions of the file we replace; a new file gets the usual 0666 less umask.
  struct stat st {};
  mode_t mode = 0;
  if (::stat(target.c_str(), &st) == 0) {
    mode = st.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  ::fchmod(fd, mode);

  if (!WriteAll(fd, content) || ::fsync(fd) != 0) {
    const std::string why = ErrnoText();
    ::close(fd);
    ::unlink(tempName.c_str());
    return fail(why);
  }
  if (::close(fd) != 0) {
    const std::string why = ErrnoText();
    ::unlink(tempName.c_str());
    return fail(why);
  }
  if (::rename(tempName.c_str(), target.c_str()) != 0) {
    const std::string why = ErrnoText();
    ::unlink(tempName.c_str());
    return fail(why);
  }
  // The rename itself must survive a crash too.
  const int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd >= 0) {
    ::fsync(dirFd);
    ::close(dirFd);
  }
  return true;
}

FileStamp StampOf(const std::string& path) {
  FileStamp stamp;
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return stamp;
  stamp.Exists = true;
  stamp.Device = static_cast<std::uint64_t>(st.st_dev);
  stamp.Inode = static_cast<std::uint64_t>(st.st_ino);
  stamp.Size = static_cast<std::int64_t>(st.st_size);
  stamp.ModifiedNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  stamp.ChangedNs = static_cast<std::int64_t>(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
  // File times move in ticks of a few milliseconds; a margin well above that.
  constexpr std::int64_t RecentNs = 100'000'000;
  struct timespec now {};
  ::clock_gettime(CLOCK_REALTIME, &now);
  const std::int64_t nowNs = static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
  stamp.Recent = nowNs - stamp.ModifiedNs < RecentNs;
  return stamp;
}

}  // namespace quelm
