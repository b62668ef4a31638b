#pragma once
// A floor in a link: its source text, deflated, in base64url, so a floor
// drawn in the editor page travels in the fragment of an address
// (editor.html#q1..., index.html#floor=q1...).
#include <string>

#include "floors/floor_source.hpp"

namespace q::floors {

// What every link starts with; a later format gets a new one.
constexpr const char* kFloorLinkPrefix = "q1";
// The longest source a link may unpack to: a 120-row floor with a full demo
// is far below it, so anything larger is a damaged or hostile link.
constexpr size_t kMaxLinkedSourceBytes = 1 << 20;

// The link text (without '#') of a floor source as `number` would be written.
std::string EncodeFloorLink(const Floor& floor, int number);

// Reads a link back into the floor it carries and the source text it was
// made from. false with a message a player can read when the link is
// damaged; never reads outside the text.
bool DecodeFloorLink(const std::string& link, Floor& out, std::string& source, std::string& error);

// base64url without padding, and its reverse (false on any other character
// or an impossible length).
std::string Base64UrlEncode(const std::string& bytes);
bool Base64UrlDecode(const std::string& text, std::string& bytes);

}  // namespace q::floors
