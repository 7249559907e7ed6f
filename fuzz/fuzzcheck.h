#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "model/model.h"

// What every fuzz target shares: a scratch folder for the files the readers need, the line
// between an input the reader refuses and a fault of the program, and the work a user does with a
// model that was read.
//
// Each target defines LLVMFuzzerTestOneInput. Built with libFuzzer it is fuzzed; built with
// replay.cpp it is fed the files of its corpus folders, so every normal build checks every past
// finding again.

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace ubic::fuzz {

inline std::string_view Bytes(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// Writes Bytes to the scratch file Name and returns its path. The scratch folder belongs to this
// process and lies on a memory file system where there is one: every input is written and read
// several times, and must not wait for a disk.
std::string WriteScratch(const std::string& name, std::string_view bytes);
std::string ScratchFile(const std::string& name);

// Ends the run as a finding: the input broke a promise of the program.
[[noreturn]] void Fail(const std::string& what);

// Runs one step of the work on something that was read; it must not raise.
void Must(const std::string& step, const std::function<void()>& work);

// Runs a read of outside data. True when it succeeded; false when the reader refused the input
// with one of the program's own errors, which is what a malformed input must end in. Any other
// exception is a fault and passes on.
bool Accepted(const std::function<void()>& read);

// What a user does next with a model that was read: evaluates every option, computes the weights,
// the approximation and the compact rules of every function, writes the model in all three
// formats and reads each file back, which must succeed. The own format, read back and written
// again, must give the same bytes. Anything that raises here is a finding. Models of very many
// rules are only evaluated and weighed (see fuzzcheck.cpp).
void UseModel(TUbicModel& model);

// Reads a model file with Reader from Bytes written as the scratch file Name, and uses it when the
// reader accepts it.
int ReadAndUse(std::string_view bytes, const std::string& name,
               const std::function<void(TUbicModel&, const std::string&)>& reader);

}  // namespace ubic::fuzz
