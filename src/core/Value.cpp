#include "core/Value.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace selvane {

std::string TValue::AsString() const {
  if (auto* i = std::get_if<std::int64_t>(&data_)) return std::to_string(*i);
  if (auto* d = std::get_if<double>(&data_)) {
    if (auto money = TMoney::FromDouble(*d)) return money->ToText();
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", *d);
    return buffer;
  }
  if (auto* s = std::get_if<std::string>(&data_)) return *s;
  return std::string();
}

std::int64_t TValue::AsInteger() const {
  if (auto* i = std::get_if<std::int64_t>(&data_)) return *i;
  if (auto* d = std::get_if<double>(&data_)) return static_cast<std::int64_t>(std::llround(*d));
  if (auto* s = std::get_if<std::string>(&data_)) return std::strtoll(s->c_str(), nullptr, 10);
  return 0;
}

double TValue::AsFloat() const {
  if (auto* i = std::get_if<std::int64_t>(&data_)) return static_cast<double>(*i);
  if (auto* d = std::get_if<double>(&data_)) return *d;
  if (auto* s = std::get_if<std::string>(&data_)) return std::strtod(s->c_str(), nullptr);
  return 0.0;
}

TMoney TValue::AsMoney() const {
  if (auto* i = std::get_if<std::int64_t>(&data_)) return TMoney::FromWon(*i);
  if (auto* d = std::get_if<double>(&data_)) return TMoney::FromDouble(*d).value_or(TMoney());
  if (auto* s = std::get_if<std::string>(&data_)) return TMoney::Parse(*s).value_or(TMoney());
  return TMoney();
}

std::optional<TDate> TValue::AsDate() const {
  if (auto* s = std::get_if<std::string>(&data_)) return TDate::FromIso(*s);
  return std::nullopt;
}

}  // namespace selvane
