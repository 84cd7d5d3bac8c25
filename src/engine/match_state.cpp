#include "engine/match_state.h"

namespace tk {
namespace {

// The member of SideCounts that holds each kind, in snapshot order.
constexpr std::array<std::int32_t SideCounts::*, 6> kCountMembers = {
    &SideCounts::ippon, &SideCounts::wazari,   &SideCounts::yuko,
    &SideCounts::shido, &SideCounts::legGrabs, &SideCounts::hansokumake};

}  // namespace

std::int32_t& SideCounts::operator[](CountKind kind) {
  return this->*kCountMembers[static_cast<std::size_t>(kind)];
}

std::int32_t SideCounts::operator[](CountKind kind) const {
  return this->*kCountMembers[static_cast<std::size_t>(kind)];
}

}  // namespace tk
