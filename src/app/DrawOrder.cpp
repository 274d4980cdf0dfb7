#include "DrawOrder.h"

#include "RandomSource.h"

#include <cfloat>

// x = r * m must be rounded to single precision before k is taken from it, or the order
// would depend on the compiler's choice of intermediate precision.
static_assert(FLT_EVAL_METHOD == 0, "float arithmetic must be evaluated in single precision");

namespace {

// Nearest integer to x >= 0, a tie going to the even one; independent of the FPU rounding mode.
int roundHalfEven(float x)
{
    const int whole = static_cast<int>(x);
    const float fraction = x - static_cast<float>(whole); // exact: whole holds x's leading bits
    if (fraction > 0.5f || (fraction == 0.5f && (whole & 1) != 0))
        return whole + 1;
    return whole;
}

} // namespace

const std::vector<int>& DrawOrder::draw(int n, RandomSource& random)
{
    m_order.clear();
    if (n <= 0)
        return m_order;

    // Fenwick tree over the positions still left: every position starts with a count of 1,
    // so node i covers (i & -i) positions.
    m_order.reserve(static_cast<std::size_t>(n));
    m_tree.resize(static_cast<std::size_t>(n) + 1);
    for (int i = 1; i <= n; ++i)
        m_tree[i] = i & -i;
    int topBit = 1;
    while (topBit * 2 <= n)
        topBit *= 2;

    for (int m = n - 1; m >= 0; --m) {
        const float r = random.next();
        const float x = r * static_cast<float>(m);
        const int k = roundHalfEven(x); // 0 <= k <= m, since r < 1

        // Binary lifting: the largest prefix holding at most k remaining positions ends just
        // before the (k+1)-th remaining one.
        int pos = 0;
        int before = k;
        for (int step = topBit; step > 0; step /= 2) {
            const int next = pos + step;
            if (next <= n && m_tree[next] <= before) {
                pos = next;
                before -= m_tree[next];
            }
        }
        m_order.push_back(pos); // 1-based tree index pos + 1 is 0-based position pos
        for (int i = pos + 1; i <= n; i += i & -i)
            --m_tree[i];
    }
    return m_order;
}
