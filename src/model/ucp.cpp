#include "model/ucp.h"

#include <algorithm>
#include <limits>

void UCP::add(std::int32_t key, std::int64_t coefficient) {
    constexpr std::int64_t limit = std::numeric_limits<std::int32_t>::max();
    for (UCP_route& route : routes)
        if (route.key == key) {
            route.coefficient = static_cast<std::int32_t>(
                std::clamp(route.coefficient + coefficient, -limit, limit));
            return;
        }
    routes.add({key, static_cast<std::int32_t>(std::clamp(coefficient, -limit, limit))});
}
