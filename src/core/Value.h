// One cell of a table row: null, integer, real or text (UTF-8).
#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "core/Date.h"
#include "core/Money.h"

namespace selvane {

class TValue {
 public:
  TValue() = default;
  TValue(std::int64_t v) : data_(v) {}
  TValue(int v) : data_(static_cast<std::int64_t>(v)) {}
  TValue(double v) : data_(v) {}
  TValue(std::string v) : data_(std::move(v)) {}
  TValue(const char* v) : data_(std::string(v)) {}
  TValue(TMoney v) : data_(v.ToDouble()) {}
  TValue(TDate v) : data_(v.ToIso()) {}

  bool IsNull() const { return std::holds_alternative<std::monostate>(data_); }
  bool IsInteger() const { return std::holds_alternative<std::int64_t>(data_); }
  bool IsReal() const { return std::holds_alternative<double>(data_); }
  bool IsText() const { return std::holds_alternative<std::string>(data_); }

  // Conversions as a field reads: null gives "", 0 or 1990-01-01 style defaults.
  std::string AsString() const;
  std::int64_t AsInteger() const;
  double AsFloat() const;
  TMoney AsMoney() const;
  // nullopt for null or a text that is not "YYYY-MM-DD".
  std::optional<TDate> AsDate() const;

  bool operator==(const TValue&) const = default;

 private:
  std::variant<std::monostate, std::int64_t, double, std::string> data_;
};

}  // namespace selvane
