#pragma once
#include <map>
#include <string>

#include "platform/FileReplace.h"

// Files in memory, made by steps that a test can interrupt. Each step, reads aside, is counted
// from 0: `failAt` refuses that one step and lets the later ones run, as a full disk or a file
// held open would; `stopAt` refuses that step and all later ones, as a process killed there
// leaves its files (a file it was writing then holds a part of its contents).
class InterruptedFileSteps : public kestrowa::FileSteps {
public:
    bool IsRegularFile(const std::string& path) override { return files.count(path) != 0; }
    bool WriteNew(const std::string& path, std::string_view contents, const std::string&) override {
        if (files.count(path)) {
            Go();
            return false;
        }
        if (!Go()) {
            if (Stopped()) files[path] = std::string(contents.substr(0, contents.size() / 2));
            return false;
        }
        files[path] = std::string(contents);
        return true;
    }
    bool Link(const std::string& from, const std::string& to) override {
        if (!Go() || !files.count(from) || files.count(to)) return false;
        files[to] = files[from];
        return true;
    }
    bool Rename(const std::string& from, const std::string& to) override {
        if (!Go() || !files.count(from)) return false;
        files[to] = std::move(files[from]);
        files.erase(from);
        return true;
    }
    bool Remove(const std::string& path) override {
        if (!Go()) return false;
        files.erase(path);
        return true;
    }

    bool Stopped() const { return stopAt >= 0 && steps > stopAt; }

    std::map<std::string, std::string> files;
    int failAt = -1;
    int stopAt = -1;
    int steps = 0;

private:
    bool Go() {
        const int step = steps++;
        return step != failAt && !Stopped();
    }
};

// A replacer whose every replace is made of `steps`.
class SteppedFileReplacer : public kestrowa::FileReplacer {
public:
    explicit SteppedFileReplacer(kestrowa::FileSteps& steps) : steps_(steps) {}
    bool ReplaceKeepingBackup(const std::string& path, const std::string& backup, std::string_view contents) override {
        return kestrowa::ReplaceThrough(steps_, path, backup, contents);
    }

private:
    kestrowa::FileSteps& steps_;
};
