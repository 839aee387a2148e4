#pragma once

#include <string>

#include "text/CodePageText.h"

namespace velmora::test {

// Runs as a desktop whose locale has the given code page, whatever this machine's locale,
// until it goes out of scope.
class ScopedCodePage {
public:
    explicit ScopedCodePage(std::string codePage) : before_(programCodePage()) { chooseCodePage(std::move(codePage)); }
    ScopedCodePage(const ScopedCodePage&) = delete;
    ScopedCodePage& operator=(const ScopedCodePage&) = delete;
    ~ScopedCodePage() { chooseCodePage(before_); }

private:
    std::string before_;
};

}  // namespace velmora::test
