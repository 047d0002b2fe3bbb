#pragma once
#include <QList>
#include <QString>
#include <cstdint>

// Deterministic pseudo-random numbers (SplitMix64): the same seed gives the same data on every
// platform and library, unlike the distributions of <random>.
class DemoRandom {
public:
    explicit DemoRandom(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ULL + 0x1234567ULL) {}

    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // Uniform in [lo, hi].
    int range(int lo, int hi) { return lo + int(next() % std::uint64_t(hi - lo + 1)); }
    double unit() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    double real(double lo, double hi) { return lo + (hi - lo) * unit(); }
    bool chance(double p) { return unit() < p; }
    template <typename T>
    const T& pick(const QList<T>& list) { return list.at(range(0, int(list.size()) - 1)); }
    QString digits(int n)
    {
        QString s;
        for (int i = 0; i < n; ++i)
            s.append(QChar(u'0' + range(0, 9)));
        return s;
    }

private:
    std::uint64_t state_;
};
