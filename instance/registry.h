// The portal registry: finds a portal from the two islands it joins.
//
// Lending: once no portal will be looked up again, the registry's table can be
// lent as scratch memory, so that the minimum-total computation sorts where the
// run has already touched memory. registry_release() hands the slots over; from
// then until registry_clear() no registration, look-up or claim may come, and
// only registry_keys() may be asked (it keeps its answer). The checker lends the
// table once the plan's lines are read; the setter's soundness check, when no
// pair is joined twice.
#pragma once
#include <cstddef>
#include <cstdint>

#include "memory/span.h"

// Registers portal index under the key (larger of a and b, smaller of a and b); a
// later registration of the same pair replaces the earlier one. Both ends and the
// index must lie in 0..MAXN-1, and the distinct pairs stay below what
// registry_expect() allowed.
void add_edge(std::int32_t a, std::int32_t b, std::int32_t index);

// add_edge(a[i], b[i], first + i) for i in 0..count-1, in that order.
void add_edges(const std::int32_t *a, const std::int32_t *b, std::int32_t first, std::int32_t count);

// Starts fetching the memory that add_edges(a, b, ..., count) will touch, so that
// other work can go on meanwhile; changes nothing.
void prefetch_edges(const std::int32_t *a, const std::int32_t *b, std::int32_t count);

// Sizes the table for at most portals registrations, so that a small instance
// touches a small part of it; call on an empty registry, before add_edge(). Without
// it the table takes MAXN registrations.
void registry_expect(std::int32_t portals);

// The portal registered for the pair u, v in either order, or -1 when no portal is
// (for instance when either number is negative). Never adds to the registry.
std::int32_t find_edge(std::int32_t u, std::int32_t v);

// Looks up n pairs named by a plan, in order, and claims each portal found:
// portal[i] is the portal of (u[i], v[i]) as find_edge() gives it, -1 when there
// is none, or -2 when it was claimed before (by an earlier pair, or an earlier
// call). The look-ups' cache misses overlap, which makes a long batch several
// times faster. Claims last until registry_clear().
void claim_edges(std::size_t n, const std::int32_t *u, const std::int32_t *v, std::int32_t *portal);

// Withdraws every claim that claim_edges() made; the registrations stay.
void registry_unclaim();

// How many distinct pairs are registered: fewer than the portals exactly when some
// pair is joined more than once.
std::int32_t registry_keys();

// Lends the part of the table that registrations have touched, as the lending
// above says.
Span<std::uint64_t> registry_release();

// Forgets every registration.
void registry_clear();
