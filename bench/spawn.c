/* spawn ROUNDS INPUT -- CMD [ARG...] [-- CMD [ARG...]]...
 * Runs every command ROUNDS times, interleaved, with INPUT on standard input, standard output on
 * /dev/null and an empty environment, and prints a line per command: the median fork-to-exit time in
 * microseconds and the largest peak resident size in KiB. Built static, and fork rather than vfork: a
 * child's peak counts what it held before exec, so the spawner must hold little. */
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static int cmp(const void *a, const void *b)
{
    double x = *(const double *)a, y = *(const double *)b;
    return (x > y) - (x < y);
}

int main(int argc, char **argv)
{
    char **cmd[16], *envp[] = {NULL};
    long rss[16] = {0};
    int rounds = argc > 4 ? atoi(argv[1]) : 0, n = 0;
    for (int i = 3; i < argc && n < 16; i++)
        if (strcmp(argv[i], "--") == 0) {
            argv[i] = NULL;
            cmd[n++] = &argv[i + 1];
        }
    int in = open(argc > 2 ? argv[2] : "", O_RDONLY), out = open("/dev/null", O_WRONLY);
    double *us = malloc(sizeof *us * (size_t)(rounds > 0 ? rounds : 1) * 16);
    if (rounds < 1 || argv[3] != NULL || in < 0 || out < 0 || !us) {
        fprintf(stderr, "usage: spawn ROUNDS INPUT -- CMD [ARG...] [-- CMD...]\n");
        return 2;
    }
    for (int r = 0; r < rounds; r++)
        for (int k = 0; k < n; k++) {
            int c = (r + k) % n, status; /* rotate, so no command always runs first */
            struct timespec t0, t1;
            struct rusage ru;
            lseek(in, 0, SEEK_SET);
            clock_gettime(CLOCK_MONOTONIC, &t0);
            pid_t pid = fork();
            if (pid == 0) {
                dup2(in, 0);
                dup2(out, 1);
                execve(cmd[c][0], cmd[c], envp);
                _exit(127);
            }
            if (pid < 0 || wait4(pid, &status, 0, &ru) != pid || status != 0) {
                fprintf(stderr, "spawn: %s failed\n", cmd[c][0]);
                return 1;
            }
            clock_gettime(CLOCK_MONOTONIC, &t1);
            us[c * rounds + r] = (double)(t1.tv_sec - t0.tv_sec) * 1e6 + (double)(t1.tv_nsec - t0.tv_nsec) / 1e3;
            rss[c] = ru.ru_maxrss > rss[c] ? ru.ru_maxrss : rss[c];
        }
    for (int c = 0; c < n; c++) {
        qsort(us + c * rounds, (size_t)rounds, sizeof *us, cmp);
        printf("%.0f %ld\n", us[c * rounds + rounds / 2], rss[c]);
    }
    return 0;
}
