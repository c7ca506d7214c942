#include "forms/EmfRecordReader.h"
#include "forms/EmfTextItems.h"
#include "forms/FormImages.h"
#include "forms/PlaceholderSearch.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"

#include <QFile>
#include <cmath>
#include <gtest/gtest.h>

// Every field of the seven page images, checked against the field tables of the forms: the
// placeholder stands exactly once in its image, in one text item, with the left end of its
// baseline at the listed position, in the listed face and size, with fixed character cells.

namespace {

enum Face { kCourier, kOcra };

struct FieldSpot {
    int image;
    int key;
    const char* placeholder;
    double x;
    double y;
    Face face;
    double size;
};

const FieldSpot kTableFields[] = {
    {188, 0, "21111111111101", 121.0, 143.5, kCourier, 10.0},
    {188, 1, "111111111111101", 206.7, 178.5, kCourier, 10.0},
    {188, 2, "111111111111102", 206.7, 202.5, kCourier, 10.0},
    {188, 3, "111111111111103", 206.7, 226.5, kCourier, 10.0},
    {188, 4, "111111111111116", 41.3, 286.5, kCourier, 10.0},
    {188, 5, "11158", 149.3, 286.5, kCourier, 10.0},
    {188, 6, "111111111111104", 205.3, 286.5, kCourier, 10.0},
    {188, 7, "111111111111117", 41.3, 310.5, kCourier, 10.0},
    {188, 8, "11159", 149.3, 310.5, kCourier, 10.0},
    {188, 9, "111111111111105", 205.3, 310.5, kCourier, 10.0},
    {188, 10, "111111111111118", 43.2, 358.6, kCourier, 10.0},
    {188, 11, "11160", 149.3, 358.5, kCourier, 10.0},
    {188, 12, "111111111111106", 205.8, 358.6, kCourier, 10.0},
    {188, 13, "111111111111119", 43.2, 383.2, kCourier, 10.0},
    {188, 14, "11161", 149.3, 382.5, kCourier, 10.0},
    {188, 15, "111111111111107", 205.8, 382.7, kCourier, 10.0},
    {188, 16, "111111111111120", 41.2, 431.2, kCourier, 10.0},
    {188, 17, "111111111111108", 205.2, 431.2, kCourier, 10.0},
    {188, 18, "111111111111109", 205.2, 454.7, kCourier, 10.0},
    {188, 19, "111111111111162", 123.3, 489.7, kCourier, 10.0},
    {188, 20, "11163", 109.3, 502.5, kCourier, 10.0},
    {188, 21, "111111111111110", 205.2, 502.8, kCourier, 10.0},
    {188, 22, "111111111111111", 205.2, 526.8, kCourier, 10.0},
    {188, 23, "111111111111121", 331.3, 120.3, kCourier, 10.0},
    {188, 24, "111111111111112", 494.7, 120.3, kCourier, 10.0},
    {188, 25, "11180", 437.3, 118.5, kCourier, 10.0},
    {188, 26, "111111111111122", 331.3, 144.3, kCourier, 10.0},
    {188, 27, "111111111111113", 494.7, 144.3, kCourier, 10.0},
    {188, 28, "11181", 437.3, 144.2, kCourier, 10.0},
    {188, 29, "111111111111123", 329.2, 168.9, kCourier, 10.0},
    {188, 30, "111111111111114", 494.4, 168.9, kCourier, 10.0},
    {188, 31, "111111111111115", 494.4, 191.8, kCourier, 10.0},
    {188, 32, "111111111111124", 494.7, 240.3, kCourier, 10.0},
    {188, 33, "111111111111125", 494.4, 263.8, kCourier, 10.0},
    {188, 34, "111111111111126", 494.4, 287.9, kCourier, 10.0},
    {188, 35, "111111111111127", 494.4, 312.0, kCourier, 10.0},
    {188, 36, "111111111111128", 494.4, 336.0, kCourier, 10.0},
    {188, 37, "111111111111129", 494.4, 360.1, kCourier, 10.0},
    {188, 38, "111111111111130", 494.4, 384.1, kCourier, 10.0},
    {188, 39, "111111111111134", 494.4, 432.4, kCourier, 10.0},
    {188, 40, "111111111111135", 494.4, 456.5, kCourier, 10.0},
    {188, 41, "111111111111136", 494.4, 480.3, kCourier, 10.0},
    {188, 42, "111111111111137", 494.4, 504.4, kCourier, 10.0},
    {188, 43, "EEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEE", 304.5, 561.5, kCourier, 10.0},
    {188, 44, "111111111111139", 504.5, 561.5, kCourier, 10.0},
    {188, 45, "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF", 304.5, 582.4, kCourier, 10.0},
    {188, 46, "111111111111141", 505.2, 582.9, kCourier, 10.0},
    {188, 47, "111111111111142", 425.3, 636.2, kCourier, 10.5},
    {188, 48, "111111111111143", 123.3, 606.3, kCourier, 10.0},
    {188, 49, "111111111111182", 311.3, 49.7, kCourier, 10.0},
    {188, 50, "111111111111144", 70.7, 652.9, kOcra, 9.75},
    {188, 51, "111111111111183", 81.3, 61.8, kOcra, 10.0},
    {188, 52, "111111111111192111111111111193", 123.3, 621.4, kCourier, 10.0},
    {188, 53, "111111111111190111111111111191", 257.3, 61.7, kCourier, 10.0},
    {188, 54, "111111111111168", 507.3, 60.2, kCourier, 10.5},
    {188, 55, "111111111111165111111111111166111111111111167", 311.3, 73.4, kCourier, 10.0},
    {188, 56, "111111111111194111111111111195", 123.3, 634.3, kCourier, 10.0},
    {188, 57, "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA", 70.7, 682.5, kCourier, 10.0},
    {188, 58, "BBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBB", 70.7, 700.3, kCourier, 10.0},
    {188, 59, "CCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCC", 70.7, 717.4, kCourier, 10.0},
    {188, 60, "DDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDD", 70.7, 734.3, kCourier, 10.0},
    {188, 61, "111111111111156", 323.5, 770.1, kOcra, 10.0},
    {188, 62, "111111111111157", 443.5, 770.1, kOcra, 10.0},
    {190, 0, "111111111111105", 416.6, 115.6, kCourier, 10},
    {190, 1, "111111111111106", 416.6, 125.1, kCourier, 10},
    {190, 2, "111111111111107", 416.6, 135.9, kCourier, 10},
    {190, 3, "111111111111108", 416.6, 146.6, kCourier, 10},
    {190, 4, "111111111111109", 489.3, 156.7, kCourier, 10},
    {190, 5, "111111111111110", 417.8, 166.9, kCourier, 10},
    {190, 6, "111111111111111", 417.8, 177.0, kCourier, 10},
    {190, 7, "111111111111112", 417.8, 187.1, kCourier, 10},
    {190, 8, "111111111111113", 417.8, 197.3, kCourier, 10},
    {190, 9, "111111111111119", 417.8, 218.1, kCourier, 10},
    {190, 10, "111111111111120", 417.8, 228.3, kCourier, 10},
    {190, 11, "111111111111121", 417.8, 238.4, kCourier, 10},
    {190, 12, "111111111111122", 417.8, 248.5, kCourier, 10},
    {190, 13, "111111111111123", 417.8, 258.6, kCourier, 10},
    {190, 14, "211111111111124", 252.0, 296.0, kCourier, 10},
    {190, 15, "111111111111124", 417.8, 295.4, kCourier, 10},
    {190, 16, "211111111111195", 252.0, 306.1, kCourier, 10},
    {190, 17, "111111111111195", 417.8, 305.5, kCourier, 10},
    {190, 18, "211111111111196", 252.0, 316.2, kCourier, 10},
    {190, 19, "111111111111196", 417.8, 315.6, kCourier, 10},
    {190, 20, "211111111111197", 252.0, 326.4, kCourier, 10},
    {190, 21, "111111111111197", 417.8, 325.7, kCourier, 10},
    {190, 22, "211111111111198", 252.0, 336.5, kCourier, 10},
    {190, 23, "111111111111198", 417.8, 335.9, kCourier, 10},
    {190, 24, "111111111111125", 415.9, 356.1, kCourier, 10},
    {190, 25, "111111111111126", 415.9, 366.9, kCourier, 10},
    {190, 26, "111111111111127", 415.9, 376.4, kCourier, 10},
    {190, 27, "111111111111128", 415.9, 387.1, kCourier, 10},
    {190, 28, "111111111111129", 415.9, 397.3, kCourier, 10},
    {190, 29, "111111111111130", 415.9, 417.5, kCourier, 10},
    {190, 30, "111111111111131", 415.9, 427.6, kCourier, 10},
    {190, 31, "111111111111132", 416.6, 438.0, kCourier, 10},
    {190, 32, "111111111111133", 416.9, 450.0, kCourier, 10},
    {190, 33, "111111111111134", 415.9, 467.9, kCourier, 10},
    {190, 34, "111111111111135", 415.9, 478.6, kCourier, 10},
    {190, 35, "111111111111136", 415.9, 488.8, kCourier, 10},
    {190, 36, "111111111111137", 415.9, 499.6, kCourier, 10},
    {190, 37, "111111111111138", 493.1, 509.0, kCourier, 10},
    {190, 38, "111111111111139", 493.1, 519.2, kCourier, 10},
    {190, 39, "111111111111101", 70.3, 36.1, kOcra, 10},
    {190, 40, "111111111111102", 76.0, 47.3, kCourier, 10},
    {190, 41, "111111111111103", 59.0, 60.5, kCourier, 10},
    {190, 42, "111111111111104", 55.2, 73.1, kOcra, 10},
    {190, 43, "111111111111114", 252.0, 218.8, kCourier, 10},
    {190, 44, "111111111111115", 252.0, 228.9, kCourier, 10},
    {190, 45, "111111111111116", 252.0, 239.0, kCourier, 10},
    {190, 46, "111111111111117", 252.0, 249.2, kCourier, 10},
    {190, 47, "111111111111118", 252.0, 259.3, kCourier, 10},
    {190, 48, "111111111111162111111111111163111111111111164", 112.1, 377.6, kCourier, 10},
    {190, 49, "111111111111147111111111111148111111111111149", 65.9, 468.5, kCourier, 10},
    {190, 50, "111111111111151111111111111152111111111111153", 65.9, 478.6, kCourier, 10},
    {190, 51, "111111111111155111111111111156111111111111157", 65.9, 488.8, kCourier, 10},
    {190, 52, "111111111111159111111111111160111111111111161", 65.9, 499.5, kCourier, 10},
    {190, 53, "111111111111170111111111111171111111111111172", 40.0, 530.5, kCourier, 10},
    {190, 54, "111111111111173111111111111174111111111111175", 40.0, 542.6, kCourier, 10},
    {190, 55, "111111111111176111111111111177111111111111178", 40.0, 553.3, kCourier, 10},
    {190, 56, "111111111111179111111111111180111111111111181", 40.0, 565.4, kCourier, 10},
    {190, 57, "111111111111182", 504.5, 92.2, kCourier, 10},
    {500, 0, "111111111111138", 386.8, 704.6, kCourier, 10},
    {500, 1, "111111111111139", 487.4, 704.6, kCourier, 10},
    {500, 2, "111111111111140", 386.8, 728.0, kCourier, 10},
    {500, 3, "111111111111141", 487.4, 728.0, kCourier, 10},
    {500, 4, "111111111111182", 90.6, 564.1, kCourier, 10},
    {500, 5, "111111111111183", 72.9, 625.0, kOcra, 10},
    {500, 6, "111111111111192111111111111193", 103.3, 576.7, kCourier, 10},
    {500, 7, "111111111111194111111111111195", 71.0, 602.7, kCourier, 10},
    {500, 8, "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA", 19.1, 638.7, kCourier, 10},
    {500, 9, "BBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBB", 19.1, 650.1, kCourier, 10},
    {500, 10, "CCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCC", 19.1, 662.0, kCourier, 10},
    {500, 11, "DDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDD", 19.1, 673.6, kCourier, 10},
    {500, 12, "111111111111156", 317.8, 773.1, kOcra, 10},
    {500, 13, "111111111111157", 437.8, 773.1, kOcra, 10},
    {500, 14, "111111111111101", 485.5, 601.4, kCourier, 10},
    {500, 15, "111111111111102", 485.5, 612.8, kCourier, 10},
    {500, 16, "111111111111103", 485.5, 624.8, kCourier, 10},
    {500, 17, "111111111111104", 485.5, 636.8, kCourier, 10},
    {500, 18, "111111111111105", 485.5, 648.9, kCourier, 10},
    {500, 19, "111111111111106", 485.5, 660.9, kCourier, 10},
    {501, 0, "111111111111190", 59.0, 109.1, kCourier, 10},
    {501, 1, "111111111111191", 229.3, 109.5, kCourier, 10},
    {501, 2, "111111111111192", 359.0, 109.6, kCourier, 10},
    {501, 3, "111111111111147111111111111148111111111111149", 96.3, 132.3, kCourier, 10},
    {501, 4, "111111111111151111111111111152111111111111153", 67.8, 156.1, kCourier, 10},
    {501, 5, "111111111111155111111111111156111111111111157", 67.8, 178.8, kCourier, 10},
    {501, 6, "111111111111162111111111111163111111111111164", 27.9, 203.8, kCourier, 10},
    {501, 7, "111111111111116", 329.8, 203.8, kCourier, 10},
    {501, 8, "111111111111105", 206.4, 273.2, kCourier, 10},
    {501, 9, "111111111111106", 206.4, 285.9, kCourier, 10},
    {501, 10, "111111111111113", 494.4, 285.2, kCourier, 10},
    {501, 11, "111111111111119", 494.4, 297.9, kCourier, 10},
    {501, 12, "111111111111107", 206.4, 309.3, kCourier, 10},
    {501, 13, "111111111111120", 494.4, 321.9, kCourier, 10},
    {501, 14, "111111111111108", 206.4, 357.4, kCourier, 10},
    {501, 15, "111111111111121", 494.4, 358.0, kCourier, 10},
    {501, 16, "111111111111122", 494.4, 381.4, kCourier, 10},
    {501, 17, "111111111111123", 494.4, 394.1, kCourier, 10},
    {501, 18, "111111111111109", 206.4, 405.5, kCourier, 10},
    {501, 19, "111111111111124", 494.4, 417.5, kCourier, 10},
    {501, 20, "111111111111110", 206.4, 430.2, kCourier, 10},
    {501, 21, "111111111111111", 206.4, 465.6, kCourier, 10},
    {501, 22, "111111111111128", 406.4, 478.3, kCourier, 10},
    {501, 23, "111111111111126", 512.1, 478.3, kCourier, 10},
    {501, 24, "111111111111112", 206.4, 489.7, kCourier, 10},
    {501, 25, "111111111111129", 407.1, 504.2, kCourier, 10},
    {501, 26, "111111111111127", 512.8, 503.6, kCourier, 10},
    {501, 27, "111111111111125", 378.6, 585.9, kCourier, 10},
    {502, 0, "111111111111190", 61.4, 94.1, kCourier, 10},
    {502, 1, "22222222222", 242.5, 94.1, kCourier, 10},
    {502, 2, "33333333333", 350.1, 94.1, kCourier, 10},
    {502, 3, "111111111111147111111111111148111111111111149", 65.9, 118.1, kCourier, 10},
    {502, 4, "111111111111155111111111111156111111111111157", 65.9, 142.2, kCourier, 10},
    {502, 5, "111111111111162111111111111163111111111111164", 26.0, 166.2, kCourier, 10},
    {502, 6, "111111111111116", 317.8, 166.2, kCourier, 10},
    {502, 7, "111111111111124", 205.8, 273.6, kCourier, 10},
    {502, 8, "111111111111125", 205.2, 286.2, kCourier, 10},
    {502, 9, "111111111111126", 206.4, 310.3, kCourier, 10},
    {502, 10, "111111111111127", 204.5, 334.3, kCourier, 10},
    {502, 11, "111111111111128", 204.5, 357.7, kCourier, 10},
    {502, 12, "111111111111129", 204.5, 382.4, kCourier, 10},
    {502, 13, "111111111111130", 204.5, 405.8, kCourier, 10},
    {502, 14, "111111111111104", 204.5, 430.5, kCourier, 10},
    {502, 15, "111111111111105", 204.5, 478.6, kCourier, 10},
    {502, 16, "111111111111106", 204.5, 490.6, kCourier, 10},
    {502, 17, "111111111111107", 204.5, 514.1, kCourier, 10},
    {502, 18, "111111111111131", 490.0, 286.2, kCourier, 10},
    {502, 19, "111111111111132", 490.0, 310.3, kCourier, 10},
    {502, 20, "111111111111133", 490.0, 333.7, kCourier, 10},
    {502, 21, "111111111111134", 490.0, 358.4, kCourier, 10},
    {502, 22, "111111111111138", 407.7, 486.2, kCourier, 10},
    {502, 23, "111111111111139", 510.2, 485.6, kCourier, 10},
    {502, 24, "111111111111140", 406.4, 511.5, kCourier, 10},
    {502, 25, "111111111111141", 510.2, 511.5, kCourier, 10},
    {502, 26, "111111111111142", 414.0, 612.8, kCourier, 10},
    {504, 0, "111111111111192111111111111193", 131.6, 112.8, kCourier, 10},
    {504, 1, "111111111111183", 131.6, 124.8, kCourier, 10},
    {504, 2, "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA", 130.9, 136.8, kCourier, 10},
    {504, 3, "111111111111101", 60.0, 208.8, kCourier, 10},
    {504, 4,
     "BBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBB",
     54.0, 256.8, kCourier, 10},
    {504, 5,
     "CCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCC",
     54.0, 304.8, kCourier, 10},
    {504, 6,
     "DDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDD",
     54.0, 364.8, kCourier, 10},
    {504, 7,
     "EEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEE",
     54.0, 424.8, kCourier, 10},
    {504, 8,
     "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
     54.0, 472.8, kCourier, 10},
    {504, 9, "111160", 354.0, 400.8, kCourier, 10},
    {504, 10, "11162", 444.0, 448.8, kCourier, 10},
};

// ST-2: six blocks of five text lines, six amounts and (sites only) two rates.
struct St2Block {
    char lines[5];
    double lineY[5];
    double amountY[3];
    double rateY[2];
};

const St2Block kSt2Blocks[] = {
    {{'A', 'B', 'C', 'D', 'a'},
     {161.2, 172.6, 184.1, 195.6, 207.0},
     {155.5, 179.5, 203.6},
     {153.6, 177.6}},
    {{'E', 'F', 'G', 'H', 'b'},
     {256.7, 268.1, 279.5, 290.9, 301.9},
     {250.7, 274.7, 299.2},
     {249.8, 273.8}},
    {{'I', 'J', 'K', 'L', 'c'},
     {350.4, 361.8, 373.2, 384.6, 395.9},
     {347.3, 371.3, 395.4},
     {344.7, 370.0}},
    {{'M', 'N', 'O', 'P', 'd'},
     {459.9, 471.3, 482.7, 494.0, 505.4},
     {455.5, 479.5, 503.6},
     {454.2, 478.3}},
    {{'Q', 'R', 'S', 'T', 'e'},
     {567.5, 579.2, 590.8, 602.4, 614.1},
     {562.7, 587.1, 611.2},
     {562.4, 585.9}},
    {{'U', 'V', 'W', 'X', 'f'}, {663.1, 675.0, 686.9, 698.8, 710.8}, {659.3, 683.3, 707.4}, {0, 0}},
};

struct OwnedSpot {
    int key;
    QString placeholder;
    double x;
    double y;
    Face face;
    double size;
};

QList<OwnedSpot> st2Fields() {
    QList<OwnedSpot> fields = {
        {0, QStringLiteral("111111111111101"), 86.2, 94.0, kOcra, 10},
        {1, QStringLiteral("111111111111192111111111111193"), 295.7, 93.5, kCourier, 10},
    };
    int amount = 5;
    int rate = 58;
    for (int block = 0; block < 6; ++block) {
        const St2Block& spot = kSt2Blocks[block];
        const int first = 2 + 13 * block;
        for (int line = 0; line < 5; ++line)
            fields.append({first + line, QString(48, QLatin1Char(spot.lines[line])), 15.9,
                           spot.lineY[line], kCourier, 10});
        for (int index = 0; index < 6; ++index, ++amount) {
            const QString placeholder =
                amount == 40
                    ? QStringLiteral("111111111111182")
                    : QStringLiteral("1111111111111%1").arg(amount, 2, 10, QLatin1Char('0'));
            fields.append({first + 5 + index, placeholder, index % 2 == 0 ? 331.4 : 507.7,
                           spot.amountY[index / 2], kCourier, 10});
        }
        for (int index = 0; block < 5 && index < 2; ++index, ++rate)
            fields.append({first + 11 + index, QStringLiteral("111%1").arg(rate), 450.7,
                           spot.rateY[index], kCourier, 10});
    }
    return fields;
}

QList<OwnedSpot> fieldsOf(int image) {
    if (image == FormImages::kSt2Page)
        return st2Fields();
    QList<OwnedSpot> fields;
    for (const FieldSpot& spot : kTableFields) {
        if (spot.image == image)
            fields.append(
                {spot.key, QLatin1String(spot.placeholder), spot.x, spot.y, spot.face, spot.size});
    }
    return fields;
}

QByteArray committedImage(int image) {
    return TestFiles::readAll(
        TestPaths::source(QStringLiteral("resources/forms/%1.emf").arg(image)));
}

int logicalUnits(double points) {
    return int(std::lround(points * 4));
}

int occurrences(const QByteArray& image, const QString& text) {
    const QByteArray pattern = PlaceholderSearch::utf16Bytes(text);
    int count = 0;
    for (qsizetype at = image.indexOf(pattern); at >= 0; at = image.indexOf(pattern, at + 1))
        ++count;
    return count;
}

// The text item holding the byte offset, and the index of the character there.
const EmfTextItem* itemAt(const QList<EmfTextItem>& items, qsizetype offset, qsizetype& index) {
    for (const EmfTextItem& item : items) {
        const qsizetype relative = offset - item.text.textOffset;
        if (relative >= 0 && relative % 2 == 0 && relative / 2 < item.text.text.size()) {
            index = relative / 2;
            return &item;
        }
    }
    return nullptr;
}

// Two placeholders of the worksheet page also occur inside longer placeholders of the same
// page: "111111111111115" (key 44) inside key 50's, "111111111111117" (key 46) inside key 53's.
// Their own item comes first in the image, and the field search takes the first occurrence.
int timesInImage(int key, const QString& placeholder) {
    const bool insideLonger = (key == 44 && placeholder == QLatin1String("111111111111115")) ||
                              (key == 46 && placeholder == QLatin1String("111111111111117"));
    return insideLonger ? 2 : 1;
}

void expectFieldStands(const QByteArray& image, const QList<EmfTextItem>& items,
                       const OwnedSpot& field) {
    SCOPED_TRACE(
        QStringLiteral("key %1 \"%2\"").arg(field.key).arg(field.placeholder).toStdString());
    ASSERT_EQ(occurrences(image, field.placeholder), timesInImage(field.key, field.placeholder));
    qsizetype index = 0;
    const EmfTextItem* item =
        itemAt(items, PlaceholderSearch::find(image, field.placeholder), index);
    ASSERT_NE(item, nullptr);
    const int em = logicalUnits(field.size);
    const int cell = int(std::lround(em * (field.face == kOcra ? 0.75 : 0.6)));
    EXPECT_EQ(item->font.face,
              field.face == kOcra ? QStringLiteral("OCRA") : QStringLiteral("Courier New"));
    EXPECT_EQ(item->font.height, -em);
    EXPECT_EQ(item->text.advances, QList<qint32>(item->text.text.size(), cell));
    EXPECT_EQ(item->text.reference.x() + index * cell, logicalUnits(field.x));
    EXPECT_EQ(item->text.reference.y(), logicalUnits(field.y));
}

class PageImageFields : public ::testing::TestWithParam<int> {};

} // namespace

TEST_P(PageImageFields, EveryPlaceholderStandsOnceAtItsPosition) {
    const QByteArray image = committedImage(GetParam());
    ASSERT_FALSE(image.isEmpty());
    const QList<EmfTextItem> items = emfTextItems(image);
    for (const OwnedSpot& field : fieldsOf(GetParam()))
        expectFieldStands(image, items, field);
}

TEST_P(PageImageFields, TheCompiledInImageIsTheCommittedOneAndReadsCleanly) {
    QFile resource(FormImages::path(GetParam()));
    ASSERT_TRUE(resource.open(QIODevice::ReadOnly));
    const QByteArray image = resource.readAll();
    EXPECT_EQ(image, committedImage(GetParam()));
    const EmfRecordReader reader(image);
    EXPECT_TRUE(reader.isValid()) << reader.error().toStdString();
}

INSTANTIATE_TEST_SUITE_P(AllPages, PageImageFields, ::testing::ValuesIn(FormImages::ids()));

TEST(PageImages, FieldCountsMatchTheFormTables) {
    const QList<std::pair<int, int>> counts = {{188, 63}, {190, 58}, {500, 20}, {501, 28},
                                               {502, 27}, {503, 78}, {504, 11}};
    for (const auto& [image, count] : counts)
        EXPECT_EQ(fieldsOf(image).size(), count) << image;
}

TEST(PageImages, TwoFieldsShareTheScanLineItem) {
    for (const int image : {FormImages::kSt1Page1, FormImages::kSt14}) {
        const QByteArray bytes = committedImage(image);
        bool found = false;
        for (const EmfTextItem& item : emfTextItems(bytes))
            found = found || item.text.text == QLatin1String("111111111111156 111111111111157");
        EXPECT_TRUE(found) << image;
    }
}

TEST(PageImages, TheUnusedPlaceholderOfPageOneIsAbsent) {
    EXPECT_EQ(occurrences(committedImage(FormImages::kSt1Page1), QStringLiteral("111111111111164")),
              0);
}

TEST(PageImages, TitleBlocksCarryTheRevisionMarks) {
    const QList<std::pair<int, const char*>> marks = {{FormImages::kSt1Page1, "(R-7/04)"},
                                                      {FormImages::kSt1Page2, "(R-7/04)"},
                                                      {FormImages::kSt14, "(R-8/96)"},
                                                      {FormImages::kSt2Page, "(R-3/99)"}};
    for (const auto& [image, mark] : marks) {
        const QByteArray bytes = committedImage(image);
        EXPECT_EQ(occurrences(bytes, QLatin1String(mark)), 1) << image;
        EXPECT_EQ(occurrences(bytes, QStringLiteral("Illinois Department of Revenue")) >= 1, true);
    }
}
