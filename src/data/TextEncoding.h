#pragma once
// Text inside the program is UTF-8. Files on disk and in the archive come as UTF-8 or
// UTF-16 with a byte-order mark, as plain UTF-8, or as Windows-1252 single bytes.

#include <string>

// Decodes stored bytes into UTF-8: a byte-order mark selects UTF-8 or UTF-16; without
// one, valid UTF-8 stays as it is and anything else is read one byte per character.
std::string decodeStoredText(const std::string& bytes);

// Encodes UTF-8 text for storing: one byte per character (Windows-1252) when those
// bytes read back as exactly the same text, otherwise UTF-8 with a byte-order mark.
// decodeStoredText(encodeStoredText(t)) == t for every text t that decodeStoredText can
// give and every valid UTF-8 text.
std::string encodeStoredText(const std::string& utf8);
// Encodes UTF-8 text of an HTML page in Windows-1252; a character without such a byte
// becomes a numeric character reference ("&#8364;" style), which every browser reads.
std::string encodeWindows1252Html(const std::string& utf8);

// Reads bytes that claim to be UTF-8 (the "utf8::" streams): a leading byte-order mark
// is dropped; a byte that is not part of valid UTF-8 is taken as Windows-1252.
std::string decodeUtf8Text(const std::string& bytes);

bool isValidUtf8(const std::string& bytes);
std::string windows1252ToUtf8(const std::string& bytes);
void appendUtf8(std::string& out, char32_t code);
