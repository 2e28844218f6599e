// The pages of the site the browser views show: the naming page, the pages about a
// surname and a character, the five pages about this program, the start page, and the
// error pages. Plain functions from request to response, without sockets.
#pragma once

#include "site/http.h"

#include <string_view>

namespace xingming::site {

// The answer to a request for target (path and query as sent) by method. GET and HEAD
// are answered alike (the server leaves out the body of a HEAD answer); any other method
// gets 405.
Response handleRequest(std::string_view method, std::string_view target);

// Paths of the pages.
inline constexpr std::string_view kSurnamePath = "/xingshow.asp";
inline constexpr std::string_view kCharacterPath = "/chaname.asp";

// How many names the naming page lists, and how often a character may stand in the same place.
inline constexpr std::size_t kNamingListLength = 60;
inline constexpr int kNamingMaxPerCharacter = 3;
// How many naming pages the site keeps, and how many bytes at most.
inline constexpr std::size_t kNamingCacheEntries = 256;
inline constexpr std::size_t kNamingCacheBytes = 24u << 20;

// The minimum score when a request names none: the one the naming request sends.
inline constexpr float kDefaultMinScore = 80;

} // namespace xingming::site
