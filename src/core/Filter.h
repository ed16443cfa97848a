// A row filter of a table: conditions on columns, all of which must hold. Values are always
// bound as parameters, never pasted into the SQL text.
#pragma once

#include <string>
#include <vector>

#include "core/Value.h"

namespace selvane {

class TFilter {
 public:
  struct TCondition {
    std::string Field;
    std::string Op;  // "=", "<>", "<", "<=", ">", ">=", "LIKE"
    TValue Value;
  };

  TFilter& Eq(std::string field, TValue value) {
    return Add(std::move(field), "=", std::move(value));
  }
  TFilter& Ne(std::string field, TValue value) {
    return Add(std::move(field), "<>", std::move(value));
  }
  TFilter& Lt(std::string field, TValue value) {
    return Add(std::move(field), "<", std::move(value));
  }
  TFilter& Le(std::string field, TValue value) {
    return Add(std::move(field), "<=", std::move(value));
  }
  TFilter& Gt(std::string field, TValue value) {
    return Add(std::move(field), ">", std::move(value));
  }
  TFilter& Ge(std::string field, TValue value) {
    return Add(std::move(field), ">=", std::move(value));
  }
  TFilter& Like(std::string field, TValue pattern) {
    return Add(std::move(field), "LIKE", std::move(pattern));
  }

  bool Empty() const { return conditions_.empty(); }
  const std::vector<TCondition>& Conditions() const { return conditions_; }
  bool operator==(const TFilter&) const = default;

 private:
  TFilter& Add(std::string field, const char* op, TValue value) {
    conditions_.push_back({std::move(field), op, std::move(value)});
    return *this;
  }
  std::vector<TCondition> conditions_;
};

inline bool operator==(const TFilter::TCondition& a, const TFilter::TCondition& b) {
  return a.Field == b.Field && a.Op == b.Op && a.Value == b.Value;
}

}  // namespace selvane
