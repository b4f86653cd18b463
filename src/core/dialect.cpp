#include "dialect.h"

#include "dialectcompiledlike.h"
#include "dialectfold.h"
#include "dialectjoinedtexts.h"

#include <QList>

#include <sqlite3.h>

#include <memory>
#include <string>

namespace catalogue
{
namespace
{

using namespace dialect;

// Kept with SQLite, a compiled pattern serves the statement's next rows while the pattern
// stays the same (a bound value does): its text, which Qt binds as UTF-16, is then not
// converted to UTF-8 again on every row.
Q_NEVER_INLINE const CompiledLike *compileAndKeep(sqlite3_context *ctx, sqlite3_value *value)
{
    const unsigned char *text = sqlite3_value_text(value);
    if (!text)
        return nullptr;
    const std::u32string pattern = decodeUtf8(text, std::size_t(sqlite3_value_bytes(value)));
    auto *compiled = new CompiledLike(pattern);
    sqlite3_set_auxdata(ctx, 0, compiled, [](void *p) { delete static_cast<CompiledLike *>(p); });
    if (sqlite3_get_auxdata(ctx, 0) == compiled)
        return compiled;
    // SQLite could not keep it and has deleted it already: this call uses one of its own.
    thread_local std::unique_ptr<CompiledLike> uncached;
    uncached = std::make_unique<CompiledLike>(pattern);
    return uncached.get();
}

const CompiledLike *compiledPattern(sqlite3_context *ctx, sqlite3_value *value)
{
    const auto *kept = static_cast<const CompiledLike *>(sqlite3_get_auxdata(ctx, 0));
    return kept ? kept : compileAndKeep(ctx, value);
}

void likeFunction(sqlite3_context *ctx, int, sqlite3_value **argv)
{
    // SQL "x LIKE y" calls like(y, x): the pattern comes first. Many searched columns are
    // Null, so the text is looked at first.
    const unsigned char *text = sqlite3_value_text(argv[1]);
    const CompiledLike *compiled = text ? compiledPattern(ctx, argv[0]) : nullptr;
    if (!compiled) {
        sqlite3_result_null(ctx);
        return;
    }
    sqlite3_result_int(ctx, compiled->matches(text, std::size_t(sqlite3_value_bytes(argv[1]))));
}

// Whether any of the values matches, each looked at alone.
bool anyMatches(const CompiledLike &compiled, int count, sqlite3_value **values)
{
    const std::size_t shortest = compiled.minimumLength();
    for (int i = 0; i < count; ++i) {
        // A value's length is known before its text is asked for.
        const auto length = std::size_t(sqlite3_value_bytes(values[i]));
        if (length < shortest)
            continue;
        const unsigned char *text = sqlite3_value_text(values[i]);
        if (text && compiled.matches(text, length))
            return true;
    }
    return false;
}

// The same in one pass over the values joined by zeros, for a pattern its bytes can answer.
// No letter of such a pattern is a zero, so no match spans two values, folded or not.
bool anyMatchesJoined(const CompiledLike &compiled, int count, sqlite3_value **values)
{
    thread_local JoinedTexts joined;
    joined.clear();
    const std::size_t shortest = compiled.minimumLength();
    for (int i = 0; i < count; ++i) {
        const auto length = std::size_t(sqlite3_value_bytes(values[i]));
        if (length < shortest)
            continue;
        if (const unsigned char *text = sqlite3_value_text(values[i]))
            joined.append(text, length);
    }
    if (joined.size() == 0)
        return false;
    const AsciiSearch::Verdict verdict = compiled.asciiSearch()->find(joined.data(), joined.size());
    if (verdict != AsciiSearch::Verdict::NotAscii)
        return verdict == AsciiSearch::Verdict::Found;
    return compiled.matches(joined.data(), joined.size());
}

// likeany(pattern, a, b, ...) is "a like pattern or b like pattern or ...", in one call
// per row: a search over many columns pays SQLite's call overhead once, not per column.
// False where the ORs would give Null: a search condition is never negated.
void likeAnyFunction(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    const CompiledLike *compiled = argc > 1 ? compiledPattern(ctx, argv[0]) : nullptr;
    const bool found =
        compiled && (compiled->asciiSearch() ? anyMatchesJoined(*compiled, argc - 1, argv + 1)
                                             : anyMatches(*compiled, argc - 1, argv + 1));
    sqlite3_result_int(ctx, found);
}

int nocaseCollation(void *, int lengthA, const void *a, int lengthB, const void *b)
{
    return foldedCompare(static_cast<const char *>(a), lengthA, static_cast<const char *>(b),
                         lengthB);
}

} // namespace

bool legacyLike(QStringView pattern, QStringView text)
{
    std::u32string codePoints;
    for (const char32_t c : pattern.toUcs4())
        codePoints.push_back(c);
    const QByteArray utf8 = text.toUtf8();
    return CompiledLike(codePoints)
        .matches(reinterpret_cast<const unsigned char *>(utf8.constData()),
                 std::size_t(utf8.size()));
}

namespace
{

constexpr char32_t asciiFold(unsigned char c)
{
    return c >= 'A' && c <= 'Z' ? char32_t(c + 32) : char32_t(c);
}

} // namespace

int foldedCompare(const char *a, int lengthA, const char *b, int lengthB)
{
    auto pa = reinterpret_cast<const unsigned char *>(a);
    auto pb = reinterpret_cast<const unsigned char *>(b);
    const unsigned char *ea = pa + lengthA, *eb = pb + lengthB;
    while (pa < ea && pb < eb) {
        char32_t ca, cb;
        if (*pa < 0x80 && *pb < 0x80) {
            // Inline: the title index compares ASCII letters by the million.
            ca = asciiFold(*pa++);
            cb = asciiFold(*pb++);
        } else {
            ca = caseFold(nextCodePoint(pa, ea));
            cb = caseFold(nextCodePoint(pb, eb));
        }
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (pa < ea)
        return 1;
    if (pb < eb)
        return -1;
    return 0;
}

Outcome registerDialect(sqlite3 *db)
{
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    int rc = sqlite3_create_function(db, "like", 2, flags, nullptr, likeFunction, nullptr, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function(db, "likeany", -1, flags, nullptr, likeAnyFunction, nullptr,
                                     nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_collation_v2(db, "NOCASE", SQLITE_UTF8, nullptr, nocaseCollation,
                                         nullptr);
    if (rc != SQLITE_OK)
        return Failure{QString::fromUtf8(sqlite3_errmsg(db))};
    return {};
}

} // namespace catalogue
