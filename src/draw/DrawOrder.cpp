#include "DrawOrder.h"

#include "RandomSource.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cfloat>
#include <cstdint>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

// x = r * m must be rounded to single precision before k is taken from it, or the order
// would depend on the compiler's choice of intermediate precision.
static_assert(FLT_EVAL_METHOD == 0, "float arithmetic must be evaluated in single precision");

namespace {

// Nearest integer to x >= 0, a tie going to the even one; independent of the FPU rounding mode.
int roundHalfEven(float x)
{
    const int whole = static_cast<int>(x);
    const float fraction = x - static_cast<float>(whole); // exact: whole holds x's leading bits
    // Summed comparisons rather than branches, which would mispredict half the time.
    return whole + static_cast<int>(fraction > 0.5f) + (static_cast<int>(fraction == 0.5f) & whole);
}

// Position of the bit (0-7) that is the k-th set bit of each byte value, k < its bit count.
constexpr auto kSelectInByte = [] {
    std::array<std::array<std::uint8_t, 8>, 256> table{};
    for (int byte = 0; byte < 256; ++byte) {
        int found = 0;
        for (int bit = 0; bit < 8; ++bit) {
            if ((byte >> bit) & 1)
                table[byte][found++] = static_cast<std::uint8_t>(bit);
        }
    }
    return table;
}();

// Position of the k-th set bit of word (k < its bit count), without branches: the byte that
// holds it is found from the bytes' running bit counts, computed all at once.
int selectBit(std::uint64_t word, int k)
{
    constexpr std::uint64_t ones = 0x0101010101010101u;
    constexpr std::uint64_t highs = 0x8080808080808080u;
    std::uint64_t counts = word - ((word >> 1) & 0x5555555555555555u);
    counts = (counts & 0x3333333333333333u) + ((counts >> 2) & 0x3333333333333333u);
    counts = (counts + (counts >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    const std::uint64_t running = counts * ones; // byte i: set bits in bytes 0..i (at most 64)
    // Bytes whose running count is <= k lie wholly before the wanted bit; no byte borrows
    // from its neighbour because every value stays below 128.
    const std::uint64_t before = ((static_cast<std::uint64_t>(k) * ones | highs) - running) & highs;
    const int byteIndex = static_cast<int>(((before >> 7) * ones) >> 56);
    const int skipped = static_cast<int>(((running << 8) >> (8 * byteIndex)) & 0xFFu);
    const unsigned byte = static_cast<unsigned>(word >> (8 * byteIndex)) & 0xFFu;
    return 8 * byteIndex + kSelectInByte[byte][k - skipped];
}

// The tree over the words: level 0 is the root, level 2 has a node for every 8 words.
constexpr int kChildren = 8;
constexpr int kLevels = 3;
constexpr int kLevelSpan[kLevels] = {4096, 512, 64}; // names under one child
constexpr int kLevelNodes[kLevels] = {1, 8, 64};
constexpr int kLevelBase[kLevels] = {0, 8, 72};
constexpr int kTreeSize = 72 + 64 * kChildren;
static_assert(kMaxNames <= kChildren * kLevelSpan[0], "the tree must hold the longest list");

// A node's eight counts are handled as two 4-lane vectors where the target has them: the
// search and the update are then a few instructions, without a loop. before[0] is always 0.
#if defined(__SSE2__) || defined(_M_X64)

// Index of the last of before[0..7] (ascending, before[0] = 0) that is at most k.
int lastAtMost(const int* before, int k)
{
    const __m128i key = _mm_set1_epi32(k);
    const __m128i low = _mm_cmpgt_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(before)), key);
    const __m128i high = _mm_cmpgt_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(before + 4)), key);
    const unsigned above = static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(low))) |
                           static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(high))) << 4;
    return std::countr_zero(above | 0x100u) - 1;
}

// One name fewer before every child after child.
void takeOneAfter(int* before, int child)
{
    const __m128i which = _mm_set1_epi32(child);
    auto* const low = reinterpret_cast<__m128i*>(before);
    auto* const high = reinterpret_cast<__m128i*>(before + 4);
    // Lanes after child compare as all ones, that is -1.
    _mm_storeu_si128(low, _mm_add_epi32(_mm_loadu_si128(low), _mm_cmpgt_epi32(_mm_setr_epi32(0, 1, 2, 3), which)));
    _mm_storeu_si128(high, _mm_add_epi32(_mm_loadu_si128(high), _mm_cmpgt_epi32(_mm_setr_epi32(4, 5, 6, 7), which)));
}

#else

int lastAtMost(const int* before, int k)
{
    int child = 0;
    for (int c = 1; c < kChildren; ++c)
        child += static_cast<int>(before[c] <= k);
    return child;
}

void takeOneAfter(int* before, int child)
{
    for (int c = 1; c < kChildren; ++c)
        before[c] -= static_cast<int>(c > child);
}

#endif

} // namespace

const std::vector<int>& DrawOrder::draw(int n, RandomSource& random)
{
    assert(n <= kMaxNames);
    m_order.clear();
    if (n <= 0)
        return m_order;
    m_order.reserve(static_cast<std::size_t>(n));

    // The names left are the set bits of m_bits: name i is bit i % 64 of word i / 64.
    const int words = (n + 63) / 64;
    m_bits.assign(static_cast<std::size_t>(words), ~std::uint64_t{0});
    if (n % 64 != 0)
        m_bits.back() = (std::uint64_t{1} << (n % 64)) - 1;

    // Above the words, a tree of three levels with eight children a node; each node holds
    // how many names are left in its children before each child. A search takes three
    // short dependent steps instead of the nine of a binary tree over the same words.
    m_tree.resize(kTreeSize);
    for (int level = 0; level < kLevels; ++level) {
        const int span = kLevelSpan[level];
        for (int node = 0; node < kLevelNodes[level]; ++node) {
            const int namesFrom = node * kChildren * span;
            int* const before = m_tree.data() + kLevelBase[level] + node * kChildren;
            for (int child = 0; child < kChildren; ++child)
                before[child] = std::min(std::max(n - namesFrom, 0), child * span);
        }
    }

    // The random values, and which of the names left each one picks, are worked out a batch
    // at a time before the search: a pass without dependencies between the names, which the
    // compiler can vectorise, and less work in the search, where each name waits for the
    // one before. Small batches stay in the fastest cache.
    int* const tree = m_tree.data();
    for (int from = 0; from < n; from += kBatch) {
        const int count = std::min(kBatch, n - from);
        random.fill(m_random.data(), count);
        for (int i = 0; i < count; ++i) {
            const float x = m_random[static_cast<std::size_t>(i)] * static_cast<float>(n - 1 - (from + i));
            m_ranks[static_cast<std::size_t>(i)] = roundHalfEven(x); // 0 <= k <= names left - 1, since r < 1
        }

        for (int i = 0; i < count; ++i) {
            int k = m_ranks[static_cast<std::size_t>(i)];

            // Per level, the child is the last one with at most k names before it. Empty
            // children share that count with the next one, so they are never chosen. The
            // node loses the name as soon as its child is known: the next name's search of
            // this level then waits only for that, not for the whole of this search, and the
            // processor can work on two names at once.
            unsigned word = 0;
            for (int level = 0; level < kLevels; ++level) {
                int* const before = tree + kLevelBase[level] + word * kChildren;
                const int child = lastAtMost(before, k);
                k -= before[child];
                takeOneAfter(before, child);
                word = word * kChildren + static_cast<unsigned>(child);
            }
            const int bit = selectBit(m_bits[word], k);
            m_bits[word] &= ~(std::uint64_t{1} << bit);
            m_order.push_back(static_cast<int>(word) * 64 + bit);
        }
    }
    return m_order;
}
