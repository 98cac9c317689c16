// What the user is told when an application stops on an exception.
#pragma once

#include <exception>
#include <string>

// A message naming the assistant and what went wrong with `failure`.
std::string failure_message(std::string const& assistant_name, std::exception_ptr failure);
