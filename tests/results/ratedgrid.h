#pragma once

#include "results/ratingfile.h"

#include <QList>

namespace testdata {

using namespace Qt::StringLiterals;

// A rated grid of 50 rows: responses of 3 to 10 letters, ten wrong ones, one row not rated
// (row 23) and two one-digit word numbers.
inline QList<results::GridRow> ratedGrid()
{
    return {
        {u"1_01_ball.wav"_s, u"01"_s, u"ball"_s, u"C"_s},
        {u"2_02_cat.wav"_s, u"02"_s, u"cat"_s, u"C"_s},
        {u"3_03_dog.wav"_s, u"03"_s, u"log"_s, u"I"_s},
        {u"4_04_fish.wav"_s, u"04"_s, u"fish"_s, u"C"_s},
        {u"5_5_house.wav"_s, u"5"_s, u"house"_s, u"C"_s},
        {u"6_06_tree.wav"_s, u"06"_s, u"tree"_s, u"C"_s},
        {u"7_07_boat.wav"_s, u"07"_s, u"coat"_s, u"I"_s},
        {u"8_08_shoe.wav"_s, u"08"_s, u"shoe"_s, u"C"_s},
        {u"9_9_cup.wav"_s, u"9"_s, u"cup"_s, u"C"_s},
        {u"10_10_spoon.wav"_s, u"10"_s, u"spoon"_s, u"C"_s},
        {u"11_11_bird.wav"_s, u"11"_s, u"bird"_s, u"C"_s},
        {u"12_12_car.wav"_s, u"12"_s, u"far"_s, u"I"_s},
        {u"13_13_book.wav"_s, u"13"_s, u"book"_s, u"C"_s},
        {u"14_14_chair.wav"_s, u"14"_s, u"chair"_s, u"C"_s},
        {u"15_15_bed.wav"_s, u"15"_s, u"bed"_s, u"C"_s},
        {u"16_16_door.wav"_s, u"16"_s, u"door"_s, u"C"_s},
        {u"17_17_key.wav"_s, u"17"_s, u"key"_s, u"C"_s},
        {u"18_18_hat.wav"_s, u"18"_s, u"cat"_s, u"I"_s},
        {u"19_19_sock.wav"_s, u"19"_s, u"sock"_s, u"C"_s},
        {u"20_20_sun.wav"_s, u"20"_s, u"sun"_s, u"C"_s},
        {u"21_21_moon.wav"_s, u"21"_s, u"moon"_s, u"C"_s},
        {u"22_22_star.wav"_s, u"22"_s, u"star"_s, u"C"_s},
        {u"23_23_apple.wav"_s, u"23"_s, u""_s, u""_s},
        {u"24_24_bread.wav"_s, u"24"_s, u"bread"_s, u"C"_s},
        {u"25_25_cake.wav"_s, u"25"_s, u"cake"_s, u"C"_s},
        {u"26_26_milk.wav"_s, u"26"_s, u"ilk"_s, u"I"_s},
        {u"27_27_juice.wav"_s, u"27"_s, u"juice"_s, u"C"_s},
        {u"28_28_egg.wav"_s, u"28"_s, u"egg"_s, u"C"_s},
        {u"29_29_leg.wav"_s, u"29"_s, u"leg"_s, u"C"_s},
        {u"30_30_arm.wav"_s, u"30"_s, u"arm"_s, u"C"_s},
        {u"31_31_hand.wav"_s, u"31"_s, u"lake"_s, u"I"_s},
        {u"32_32_foot.wav"_s, u"32"_s, u"foot"_s, u"C"_s},
        {u"33_33_nose.wav"_s, u"33"_s, u"nose"_s, u"C"_s},
        {u"34_34_ear.wav"_s, u"34"_s, u"ear"_s, u"C"_s},
        {u"35_35_eye.wav"_s, u"35"_s, u"eye"_s, u"C"_s},
        {u"36_36_mouth.wav"_s, u"36"_s, u"mouth"_s, u"C"_s},
        {u"37_37_tooth.wav"_s, u"37"_s, u"tooth"_s, u"C"_s},
        {u"38_38_hair.wav"_s, u"38"_s, u"hair"_s, u"C"_s},
        {u"39_39_bike.wav"_s, u"39"_s, u"bike"_s, u"C"_s},
        {u"40_40_train.wav"_s, u"40"_s, u"brain"_s, u"I"_s},
        {u"41_41_plane.wav"_s, u"41"_s, u"plane"_s, u"C"_s},
        {u"42_42_bus.wav"_s, u"42"_s, u"bus"_s, u"C"_s},
        {u"43_43_truck.wav"_s, u"43"_s, u"truck"_s, u"C"_s},
        {u"44_44_rabbit.wav"_s, u"44"_s, u"horsefly"_s, u"I"_s},
        {u"45_45_horse.wav"_s, u"45"_s, u"horse"_s, u"C"_s},
        {u"46_46_cow.wav"_s, u"46"_s, u"cow"_s, u"C"_s},
        {u"47_47_pig.wav"_s, u"47"_s, u"pumpkins"_s, u"I"_s},
        {u"48_48_duck.wav"_s, u"48"_s, u"duck"_s, u"C"_s},
        {u"49_49_frog.wav"_s, u"49"_s, u"snowflakes"_s, u"I"_s},
        {u"50_50_snake.wav"_s, u"50"_s, u"snake"_s, u"C"_s},
    };
}

// The row lines of ratedGrid() as the rating file holds them, each ended by CR LF.
inline constexpr char kRatedGridLines[] = "1_01_ball.wav        01 ball      C\r\n"
                                          "2_02_cat.wav         02 cat       C\r\n"
                                          "3_03_dog.wav         03 log       I\r\n"
                                          "4_04_fish.wav        04 fish      C\r\n"
                                          "5_5_house.wav        5 house     C\r\n"
                                          "6_06_tree.wav        06 tree      C\r\n"
                                          "7_07_boat.wav        07 coat      I\r\n"
                                          "8_08_shoe.wav        08 shoe      C\r\n"
                                          "9_9_cup.wav          9 cup       C\r\n"
                                          "10_10_spoon.wav      10 spoon     C\r\n"
                                          "11_11_bird.wav       11 bird      C\r\n"
                                          "12_12_car.wav        12 far       I\r\n"
                                          "13_13_book.wav       13 book      C\r\n"
                                          "14_14_chair.wav      14 chair     C\r\n"
                                          "15_15_bed.wav        15 bed       C\r\n"
                                          "16_16_door.wav       16 door      C\r\n"
                                          "17_17_key.wav        17 key       C\r\n"
                                          "18_18_hat.wav        18 cat       I\r\n"
                                          "19_19_sock.wav       19 sock      C\r\n"
                                          "20_20_sun.wav        20 sun       C\r\n"
                                          "21_21_moon.wav       21 moon      C\r\n"
                                          "22_22_star.wav       22 star      C\r\n"
                                          "23_23_apple.wav      23           \r\n"
                                          "24_24_bread.wav      24 bread     C\r\n"
                                          "25_25_cake.wav       25 cake      C\r\n"
                                          "26_26_milk.wav       26 ilk       I\r\n"
                                          "27_27_juice.wav      27 juice     C\r\n"
                                          "28_28_egg.wav        28 egg       C\r\n"
                                          "29_29_leg.wav        29 leg       C\r\n"
                                          "30_30_arm.wav        30 arm       C\r\n"
                                          "31_31_hand.wav       31 lake      I\r\n"
                                          "32_32_foot.wav       32 foot      C\r\n"
                                          "33_33_nose.wav       33 nose      C\r\n"
                                          "34_34_ear.wav        34 ear       C\r\n"
                                          "35_35_eye.wav        35 eye       C\r\n"
                                          "36_36_mouth.wav      36 mouth     C\r\n"
                                          "37_37_tooth.wav      37 tooth     C\r\n"
                                          "38_38_hair.wav       38 hair      C\r\n"
                                          "39_39_bike.wav       39 bike      C\r\n"
                                          "40_40_train.wav      40 brain     I\r\n"
                                          "41_41_plane.wav      41 plane     C\r\n"
                                          "42_42_bus.wav        42 bus       C\r\n"
                                          "43_43_truck.wav      43 truck     C\r\n"
                                          "44_44_rabbit.wav     44 horsefly  I\r\n"
                                          "45_45_horse.wav      45 horse     C\r\n"
                                          "46_46_cow.wav        46 cow       C\r\n"
                                          "47_47_pig.wav        47 pumpkins  I\r\n"
                                          "48_48_duck.wav       48 duck      C\r\n"
                                          "49_49_frog.wav       49 snowflakesI\r\n"
                                          "50_50_snake.wav      50 snake     C\r\n";

} // namespace testdata
