#pragma once

#include <cstddef>
#include <string>

// How the dialect sees letters: the case folding that equality and order use, and the
// looser folding of a search.
namespace catalogue::dialect
{

// Decodes one UTF-8 sequence and moves p past it; a malformed byte stands for itself, so
// that no input can push the reader past end.
char32_t nextCodePoint(const unsigned char *&p, const unsigned char *end);

// A UTF-8 text, one code point each, unfolded.
std::u32string decodeUtf8(const unsigned char *text, std::size_t length);

// c with its case folded, as the NOCASE collation compares it. Accents count.
char32_t caseFold(char32_t c);

// Appends what a search compares for c: case folded, accents dropped, a ligature spelt
// out as its letters ("Œ" as "oe", "ß" as "ss", "ﬁ" as "fi").
void appendSearchLetters(char32_t c, std::u32string &out);

// c folded as a search folds it where it must stay one character (a member of a "[..]"
// set): a ligature stays whole.
char32_t searchFoldOne(char32_t c);

// A UTF-8 text as a search sees it, replacing out.
void foldForSearch(const unsigned char *text, std::size_t length, std::u32string &out);

} // namespace catalogue::dialect
