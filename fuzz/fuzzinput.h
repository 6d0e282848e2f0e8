#pragma once

#include "readerharness.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

// The body of every fuzz target: one input through one reader of the
// harness; a broken rule aborts, so libFuzzer keeps the input as a finding.
// The files go to one temporary folder per process, removed at exit, in
// memory where the system offers it: every save ends with fsync, which on a
// disk costs more than the rest of an input.
template <class Harness, class Result>
void fuzzInput(Result (Harness::*reader)(const std::string&), const std::uint8_t* data,
               std::size_t size) {
    static const std::string folder = [] {
        std::error_code error;
        const std::filesystem::path memory = "/dev/shm";
        const std::filesystem::path base = std::filesystem::is_directory(memory, error)
                                               ? memory
                                               : std::filesystem::temp_directory_path();
        std::string pattern = (base / "velumbra-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        static std::string removed;
        removed = pattern;
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(removed, ignored);
        });
        return pattern;
    }();
    Harness harness(folder);
    (harness.*reader)(std::string(reinterpret_cast<const char*>(data), size));
    if (harness.problems.empty()) return;
    for (const std::string& problem : harness.problems)
        std::fprintf(stderr, "broken rule: %s\n", problem.c_str());
    std::abort();
}
