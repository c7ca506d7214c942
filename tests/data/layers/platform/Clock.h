#pragma once

// The bottom layer: includes nothing of the tree.
int today();
