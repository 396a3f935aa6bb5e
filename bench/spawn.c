/* SPDX-FileCopyrightText: 2026 The velquin authors
 * SPDX-License-Identifier: MIT
 *
 * spawn ROUNDS INPUT -- CMD [ARG...] [-- CMD [ARG...]]...
 * Runs every command ROUNDS times, interleaved, with INPUT on standard input, standard output on
 * /dev/null and an empty environment, and prints a line per command: the median fork-to-exit
 * time in microseconds and the largest peak resident size in KiB. Built static, and fork rather
 * than vfork: a child's peak counts what it held before exec, so the spawner must hold little. */
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

enum { MAX_COMMANDS = 16 };

/* qsort's comparator: the two are alike by its contract. */
/* NOLINTNEXTLINE(bugprone-easily-swappable-parameters) */
static int by_value(const void *left, const void *right)
{
    const double first = *(const double *)left;
    const double second = *(const double *)right;
    return (first > second) - (first < second);
}

static double microseconds_between(const struct timespec *start, const struct timespec *end)
{
    const double seconds = (double)(end->tv_sec - start->tv_sec);
    const double nanoseconds = (double)(end->tv_nsec - start->tv_nsec);
    return seconds * 1e6 + nanoseconds / 1e3;
}

int main(int argc, char **argv)
{
    char **commands[MAX_COMMANDS];
    char *empty_environment[] = {NULL};
    long peak_kib[MAX_COMMANDS] = {0};
    const long rounds = argc > 4 ? strtol(argv[1], NULL, 10) : 0;
    int count = 0;
    for (int arg = 3; arg < argc && count < MAX_COMMANDS; arg++) {
        if (strcmp(argv[arg], "--") == 0) {
            argv[arg] = NULL;
            commands[count] = &argv[arg + 1];
            count++;
        }
    }
    const int input = open(argc > 2 ? argv[2] : "", O_RDONLY);
    const int output = open("/dev/null", O_WRONLY);
    const size_t samples = (size_t)(rounds > 0 ? rounds : 1) * MAX_COMMANDS;
    double *times = malloc(sizeof *times * samples);
    if (rounds < 1 || argv[3] != NULL || input < 0 || output < 0 || times == NULL) {
        (void)fprintf(stderr, "usage: spawn ROUNDS INPUT -- CMD [ARG...] [-- CMD...]\n");
        return 2;
    }
    for (long round = 0; round < rounds; round++) {
        for (int turn = 0; turn < count; turn++) {
            /* Rotate, so that no command always runs first. */
            const int which = (int)((round + turn) % count);
            int status = 0;
            struct timespec start;
            struct timespec end;
            struct rusage usage;
            (void)lseek(input, 0, SEEK_SET);
            clock_gettime(CLOCK_MONOTONIC, &start);
            const pid_t pid = fork();
            if (pid == 0) {
                dup2(input, 0);
                dup2(output, 1);
                execve(commands[which][0], commands[which], empty_environment);
                _exit(127);
            }
            if (pid < 0 || wait4(pid, &status, 0, &usage) != pid || status != 0) {
                (void)fprintf(stderr, "spawn: %s failed\n", commands[which][0]);
                return 1;
            }
            clock_gettime(CLOCK_MONOTONIC, &end);
            times[(size_t)which * (size_t)rounds + (size_t)round] =
                microseconds_between(&start, &end);
            if (usage.ru_maxrss > peak_kib[which]) {
                peak_kib[which] = usage.ru_maxrss;
            }
        }
    }
    for (int which = 0; which < count; which++) {
        double *own = times + (size_t)which * (size_t)rounds;
        qsort(own, (size_t)rounds, sizeof *own, by_value);
        (void)printf("%.0f %ld\n", own[rounds / 2], peak_kib[which]);
    }
    return 0;
}
