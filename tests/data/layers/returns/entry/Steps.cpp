// A subfolder takes the layer of its top folder: returns/ may not include forms/.
#include "forms/Page.h"
#include "returns/Calculation.h"
// #include "forms/Page.h" (a comment is no include)
