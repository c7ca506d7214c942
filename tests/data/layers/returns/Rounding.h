#pragma once

int roundDollars(double amount);
