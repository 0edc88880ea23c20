#include "platform/Random.h"

Random::Random()
{
    std::random_device device;
    std::seed_seq seq{device(), device(), device(), device()};
    engine_.seed(seq);
}

Random& Random::instance()
{
    static Random random;
    return random;
}

double Random::uniform() { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

int Random::index1(int n)
{
    if (n <= 1)
        return 1;
    int i = static_cast<int>(n * uniform() + 1);
    return i > n ? n : i;
}

int Random::position(int n)
{
    if (n <= 1)
        return 0;
    int i = static_cast<int>(n * uniform());
    return i >= n ? n - 1 : i;
}
