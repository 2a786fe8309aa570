// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quillby {

// Places 0 up to a count put in order of their bucket, each bucket's places in their own order
// (a counting sort): the places of bucket b are order[starts[b]] up to order[starts[b + 1]].
struct BucketOrder {
    std::vector<std::uint32_t> order;
    std::vector<std::uint32_t> starts;
};

// `bucketOf(place)` gives each place's bucket, below `buckets`.
template <typename BucketOf>
BucketOrder OrderByBucket(std::size_t count, std::size_t buckets, BucketOf bucketOf)
{
    BucketOrder sorted;
    sorted.starts.assign(buckets + 1, 0);
    for (std::size_t place = 0; place < count; ++place)
        ++sorted.starts[bucketOf(place) + 1];
    for (std::size_t bucket = 1; bucket < sorted.starts.size(); ++bucket)
        sorted.starts[bucket] += sorted.starts[bucket - 1];
    std::vector<std::uint32_t> next(sorted.starts.begin(), sorted.starts.end() - 1);
    sorted.order.resize(count);
    for (std::size_t place = 0; place < count; ++place)
        sorted.order[next[bucketOf(place)]++] = static_cast<std::uint32_t>(place);
    return sorted;
}

} // namespace quillby
