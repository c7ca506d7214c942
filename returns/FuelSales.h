#pragma once

#include <cstdint>

// Gallons and receipts of the motor fuel page. Receipts include the state motor fuel tax and
// any home rule fuel tax.
struct FuelSales {
    std::int64_t gasolineGallons = 0;
    std::int64_t gasoholGallons = 0;
    std::int64_t ethanolGallons = 0; // majority blended ethanol fuel
    std::int64_t dieselGallons = 0;
    std::int64_t biodieselGallons = 0; // 100 % biodiesel
    std::int64_t blend90Gallons = 0;   // biodiesel blend, 90-99 % petroleum
    std::int64_t blend1Gallons = 0;    // biodiesel blend, 1-89 % petroleum
    std::int64_t dieselholGallons = 0;
    std::int64_t specialFuelsGallons = 0;
    double gasoholReceipts = 0;
    double ethanolReceipts = 0;
    double biodieselReceipts = 0;
    double blend90Receipts = 0;
    double blend1Receipts = 0;
};
