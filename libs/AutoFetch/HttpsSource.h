// Update sources at https:// addresses, fetched with libcurl: https only (also after a
// redirect), the EDI user ID in the header X-Selvane-User, 401 and 403 as a refused user, a
// transfer that stalls for a minute as broken off.
#pragma once

namespace selvane::autofetch {

// Makes OpenUpdateSource answer https:// settings with such a source.
void UseHttpsSources();

}  // namespace selvane::autofetch
