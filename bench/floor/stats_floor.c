/* SPDX-License-Identifier: MIT */
/* The least `probel-cli stats` can cost: reads one number a line with strtod and prints the
   count, mean, population standard deviation, smallest and largest value. No checks beyond
   strtod's, no sorting: a floor to measure the command against, not a replacement.
     stats_floor [FILE]   (standard input without FILE) */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv)
{
    FILE* in = argc > 1 ? fopen(argv[1], "r") : stdin;
    if (in == NULL) {
        fprintf(stderr, "stats_floor: cannot open %s\n", argv[1]);
        return 1;
    }
    char line[512];
    long n = 0;
    double sum = 0, squares = 0, smallest = 0, largest = 0;
    while (fgets(line, sizeof line, in) != NULL) {
        char* end = NULL;
        const double value = strtod(line, &end);
        if (end == line) {
            continue;
        }
        if (n == 0 || value < smallest) {
            smallest = value;
        }
        if (n == 0 || value > largest) {
            largest = value;
        }
        sum += value;
        squares += value * value;
        ++n;
    }
    if (n == 0) {
        fprintf(stderr, "stats_floor: no values\n");
        return 1;
    }
    const double mean = sum / n;
    const double variance = fabs(squares / n - mean * mean);
    printf("n : %ld\nmean : %.2f\nmin : %.2f\nmax : %.2f\nsigma : %.2f\n", n, mean, smallest, largest,
           sqrt(variance));
    return 0;
}
