// The schema and seed rows of data/, compiled into the program.
#pragma once

namespace selvane {
extern const char* const kSchemaSql;
extern const char* const kSeedSql;
}  // namespace selvane
