#pragma once
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

// A fuzz input as the targets read it: a first line of whole numbers that choose how the rest is
// read (a month, a mode, a limit), then the texts a target takes one a line, if any, then the
// bytes the code under test reads. The seeds stay
// readable text this way, and a crash file shows at a glance what was asked for.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : bytes_(reinterpret_cast<const char*>(data), size) {
        const size_t end = bytes_.find('\n');
        header_ = bytes_.substr(0, end);
        rest_ = end == std::string_view::npos ? std::string_view() : bytes_.substr(end + 1);
    }

    // The next number of the first line; one outside [lo, hi] is folded into it, and lo stands
    // for a number the line no longer holds.
    int Number(int lo, int hi) {
        while (!header_.empty() && (header_.front() < '0' || header_.front() > '9')) header_.remove_prefix(1);
        if (header_.empty()) return lo;
        uint64_t value = 0;
        while (!header_.empty() && header_.front() >= '0' && header_.front() <= '9') {
            value = std::min<uint64_t>(value * 10 + static_cast<uint64_t>(header_.front() - '0'), kLargest);
            header_.remove_prefix(1);
        }
        const uint64_t span = static_cast<uint64_t>(hi - lo) + 1;
        if (value >= static_cast<uint64_t>(lo) && value <= static_cast<uint64_t>(hi)) return static_cast<int>(value);
        return lo + static_cast<int>(value % span);
    }

    // The next line after the first (without its LF), for a target that takes texts before the
    // file's bytes; "" once none is left.
    std::string_view Line() {
        const size_t end = rest_.find('\n');
        const std::string_view line = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        return line;
    }

    // What follows the first line and the lines taken.
    std::string_view Rest() const { return rest_; }
    // The whole input.
    std::string_view All() const { return bytes_; }

private:
    // Longer numbers stay at this one, so no digit count overflows.
    static constexpr uint64_t kLargest = 1'000'000'000'000;

    std::string_view bytes_;
    std::string_view header_;
    std::string_view rest_;
};

// A folder of this process's own for the files the readers read by path, removed at exit. It
// lies in memory where the system offers that: every input is written to a file, and on a disk
// the writes take most of a run's time.
class ScratchFolder {
public:
    ScratchFolder() : path_(Base() / ("kestrowa-fuzz-" + std::to_string(getpid()))) {
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder with its trailing separator.
    std::string Path() const { return path_.string() + "/"; }
    // Writes `bytes` as the file `name` of the folder and returns its path.
    std::string Write(const std::string& name, std::string_view bytes) const {
        const std::filesystem::path file = path_ / name;
        std::ofstream(file, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file.string();
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(path_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    static std::filesystem::path Base() {
        std::error_code ec;
        if (std::filesystem::is_directory("/dev/shm", ec)) return "/dev/shm";
        return std::filesystem::temp_directory_path();
    }

    std::filesystem::path path_;
};

// A broken promise of the code under test: the fuzzer keeps the input that led here.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
