#pragma once

#include <utility>
#include <variant>

#include "failure/failure.h"

namespace kep {

// A value, or the failure that kept a step from making it.
template <typename T>
class Outcome {
 public:
  Outcome(T value) : m_state(std::move(value)) {}
  Outcome(Failure failure) : m_state(std::move(failure)) {}

  bool Ok() const { return m_state.index() == 0; }
  const T& Value() const { return std::get<0>(m_state); }
  T& Value() { return std::get<0>(m_state); }
  const Failure& Error() const { return std::get<1>(m_state); }

 private:
  std::variant<T, Failure> m_state;
};

}  // namespace kep
