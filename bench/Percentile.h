#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

// The value below which the share `p` (0..1) of `values` lies, nearest rank; 0 for none.
inline double Percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t index = std::min(values.size() - 1, std::size_t(p * double(values.size() - 1) + 0.5));
    return values[index];
}
