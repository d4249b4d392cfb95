#pragma once
// A configuration as JSON: one key per member (records as objects, fixed
// arrays as arrays, texts as UTF-8), and back.

#include "document/Json.h"
#include "document/QelDoc.h"

#include <string>
#include <vector>

namespace kiv {

// The configuration's members in file order, then the members a file does
// not carry (clockSecond, pageState) and the load state: productType,
// slotLimit, fileValid and the messages the load showed.
json::Value ConfigurationToJson(CQelDoc& doc, const std::vector<std::string>& loadMessages);

// Sets the members named in `root` (an object); missing keys keep their
// values. Unknown keys, wrong types and values out of range are refused with
// `error` naming the key; the document is then left unchanged.
bool ConfigurationFromJson(const json::Value& root, CQelDoc& doc, std::string& error);

} // namespace kiv
