#include "packed_inventory.h"

#include "runtime/runtime.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <stdexcept>
#include <vector>

namespace vorlank::ui::web
{

namespace
{
// The codes packed by place: rows B0 to F7, columns A1 to FE, in code order.
constexpr unsigned firstRow = 0xB0;
constexpr unsigned rows = 0xF8 - firstRow;
constexpr unsigned columns = 0xFF - 0xA1;
constexpr unsigned codes = rows * columns;

int codeOf(unsigned char lead, unsigned char trail)
{
    return lead >= firstRow && lead < firstRow + rows && trail >= 0xA1 && trail < 0xFF
        ? static_cast<int>((lead - firstRow) * columns + (trail - 0xA1))
        : -1;
}

// The codes still free, counted in a Fenwick tree: each place found and each code taken in about
// thirteen steps.
class FreeCodes
{
public:
    FreeCodes()
        : tree_(codes + 1)
    {
        for (unsigned i = 1; i <= codes; ++i)
            tree_[i] = static_cast<int>(i & -i);
    }

    unsigned left() const { return left_; }

    // The place of free `code` among the free codes; then it is taken.
    unsigned take(unsigned code)
    {
        int place = 0;
        for (unsigned i = code; i > 0; i -= i & -i)
            place += tree_[i];
        remove(code);
        return static_cast<unsigned>(place);
    }

    // The free code at `place`; then it is taken.
    unsigned takeAt(unsigned place)
    {
        unsigned code = 0;
        auto rest = static_cast<int>(place);
        for (unsigned step = std::bit_floor(codes); step > 0; step >>= 1U)
            if (code + step <= codes && tree_[code + step] <= rest) {
                code += step;
                rest -= tree_[code];
            }
        remove(code);
        return code;
    }

private:
    void remove(unsigned code)
    {
        for (unsigned i = code + 1; i <= codes; i += i & -i)
            --tree_[i];
        --left_;
    }

    std::vector<int> tree_;
    unsigned left_ = codes;
};

// Truncated binary for one of `n` values: the first 2^(k+1) - n in k bits, the rest in k + 1.
struct Widths {
    unsigned bits; // k
    unsigned shorter; // how many values take k bits
};

Widths widths(unsigned n)
{
    unsigned k = 0;
    while ((2U << k) <= n)
        ++k;
    return { k, (2U << k) - n };
}

class BitWriter
{
public:
    void put(unsigned value, unsigned bits)
    {
        while (bits-- > 0) {
            if (used_ % 8 == 0)
                out_.push_back('\0');
            out_.back() = static_cast<char>(static_cast<unsigned char>(out_.back())
                | (((value >> bits) & 1U) << (7 - used_ % 8)));
            ++used_;
        }
    }
    std::string &bytes() { return out_; }

private:
    std::string out_;
    std::size_t used_ = 0;
};

// A byte of `bytes`, or past their end zero.
unsigned byteAt(std::string_view bytes, std::size_t at)
{
    return at < bytes.size() ? static_cast<unsigned char>(bytes[at]) : 0U;
}

class BitReader
{
public:
    explicit BitReader(std::string_view in)
        : in_(in)
    {
    }
    // Past the end, zeros: a damaged packing gives wrong characters, which the bands reject.
    unsigned get(unsigned bits)
    {
        unsigned value = 0;
        for (; bits > 0; --bits, ++used_)
            value = (value << 1U) | ((byteAt(in_, used_ / 8) >> (7 - used_ % 8)) & 1U);
        return value;
    }

private:
    std::string_view in_;
    std::size_t used_ = 0;
};

} // namespace

std::string packInventory(std::string_view gbk)
{
    if (gbk.size() % 2 != 0 || gbk.size() / 2 > 0xFFFF)
        VORLANK_RAISE(std::invalid_argument("not two bytes a character"));
    const std::size_t count = gbk.size() / 2;
    std::string whole; // position (two bytes, low first) and the character's two bytes
    BitWriter placed;
    FreeCodes free;
    for (std::size_t i = 0; i < count; ++i) {
        const auto lead = static_cast<unsigned char>(gbk[2 * i]);
        const auto trail = static_cast<unsigned char>(gbk[2 * i + 1]);
        const int code = codeOf(lead, trail);
        if (code < 0) {
            whole += { static_cast<char>(i & 0xFFU), static_cast<char>(i >> 8U),
                static_cast<char>(lead), static_cast<char>(trail) };
            continue;
        }
        const Widths w = widths(free.left());
        const unsigned place = free.take(static_cast<unsigned>(code));
        if (place < w.shorter)
            placed.put(place, w.bits);
        else
            placed.put(place + w.shorter, w.bits + 1);
    }
    if (whole.size() / 4 > 0xFF)
        VORLANK_RAISE(std::invalid_argument("too many characters outside GB2312"));
    return std::string { static_cast<char>(count & 0xFFU), static_cast<char>(count >> 8U),
        static_cast<char>(whole.size() / 4) }
    + whole + placed.bytes();
}

std::string unpackInventory(std::string_view packed)
{
    const std::size_t count = byteAt(packed, 0) | (byteAt(packed, 1) << 8U);
    const std::size_t outside = byteAt(packed, 2);
    std::string gbk;
    gbk.reserve(2 * count);
    BitReader placed(packed.substr(std::min(packed.size(), 3 + 4 * outside)));
    FreeCodes free;
    std::size_t next = 0; // the next character given whole
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = 3 + 4 * next;
        if (next < outside && (byteAt(packed, at) | (byteAt(packed, at + 1) << 8U)) == i) {
            gbk += { static_cast<char>(byteAt(packed, at + 2)),
                static_cast<char>(byteAt(packed, at + 3)) };
            ++next;
            continue;
        }
        const Widths w = widths(free.left());
        unsigned place = placed.get(w.bits);
        if (place >= w.shorter)
            place = ((place << 1U) | placed.get(1)) - w.shorter;
        const unsigned code = free.takeAt(std::min(place, free.left() - 1));
        gbk += { static_cast<char>(firstRow + code / columns),
            static_cast<char>(0xA1 + code % columns) };
    }
    return gbk;
}

} // namespace vorlank::ui::web
