// Redirects std::cout into a string (or into a buffer of the test's own) and
// feeds std::cin from a string for the life of the object; the streams get
// their own buffers and a clean state back.
#pragma once

#include <iostream>
#include <sstream>
#include <string>

class Console {
public:
    explicit Console(const std::string& input = "\n", std::streambuf* out = nullptr)
        : in_(input), saved_out_(std::cout.rdbuf(out ? out : out_.rdbuf())), saved_in_(std::cin.rdbuf(in_.rdbuf())) {}
    ~Console() {
        std::cout.rdbuf(saved_out_);
        std::cin.rdbuf(saved_in_);
    }
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;

    std::string output() const { return out_.str(); }
    std::string unread_input() {
        std::string rest;
        std::getline(in_, rest, '\0');
        return rest;
    }

private:
    std::ostringstream out_;
    std::istringstream in_;
    std::streambuf* saved_out_;
    std::streambuf* saved_in_;
};
