#pragma once
// Section QUIVER of a machine type file: how the NC program database stores
// programs of this type.
#include "schema/setting.h"

namespace prefig::schema {

inline constexpr Setting kQuiverGroups{
    .scope = kType, .section = "QUIVER", .key = "GROUPS", .kind = kText, .length = 1023};
inline constexpr Setting kQuiverStore{
    .scope = kType, .section = "QUIVER", .key = "STORE", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kQuiverId{
    .scope = kType, .section = "QUIVER", .key = "ID", .kind = kInteger, .min = 0, .max = 2147483647, .loader = "0"};

inline constexpr const Setting* kQuiver[] = {&kQuiverGroups, &kQuiverStore, &kQuiverId};

}  // namespace prefig::schema
