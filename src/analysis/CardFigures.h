#pragma once

#include "model/ProfileCards.h"
#include "reports/ProfileGrid.h"

#include <string_view>
#include <vector>

namespace tallowmere::analysis {

using tallowmere::CardFigures;
using tallowmere::cardsInDateOrder;
using tallowmere::stakedTypeCount;

std::string_view stakedTypeName(int type);

// The net of a bet type over some races: its return at the common stake less
// that stake of 12 a race.
double netProfit(int type, double returned, long long races);

// An amount as the profile's totals hold it: to two decimals.
double heldAmount(double amount);

// A running total of returns as the profile keeps it: the total so far, held
// to two decimals, plus the next return.
double addReturn(double total, double next);

double cardNet(const CardFigures& card, int type);

} // namespace tallowmere::analysis
