/* spawn ROUNDS INPUT -- CMD [ARG...] [-- CMD [ARG...]]...
 * Runs every command ROUNDS times, interleaved, each with INPUT on standard
 * input, standard output on /dev/null and an empty environment. Prints a line
 * per command: the median fork-to-exit time in microseconds and the largest
 * peak resident size in KiB.
 *
 * Build it static and start children with fork, not vfork: a child's peak
 * size counts what it held before exec, so the spawner must hold little. */
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

enum { MAXCMD = 16 };

static int cmp(const void *a, const void *b)
{
    double x = *(const double *)a, y = *(const double *)b;
    return (x > y) - (x < y);
}

int main(int argc, char **argv)
{
    int rounds = argc > 1 ? atoi(argv[1]) : 0;
    if (argc < 5 || rounds < 1 || strcmp(argv[3], "--") != 0) {
        fprintf(stderr, "usage: spawn ROUNDS INPUT -- CMD [ARG...] [-- CMD...]\n");
        return 2;
    }
    char **cmd[MAXCMD];
    int n = 0;
    for (int i = 3; i < argc && n < MAXCMD; i++)
        if (strcmp(argv[i], "--") == 0) {
            argv[i] = NULL;
            cmd[n++] = &argv[i + 1];
        }
    int in = open(argv[2], O_RDONLY), out = open("/dev/null", O_WRONLY);
    double *us = malloc(sizeof *us * (size_t)rounds * (size_t)n);
    long rss[MAXCMD] = {0};
    char *envp[] = {NULL};
    if (in < 0 || out < 0 || !us) {
        perror("spawn");
        return 1;
    }
    for (int r = 0; r < rounds; r++)
        for (int k = 0; k < n; k++) {
            int c = (r + k) % n; /* rotate, so no command always runs first */
            struct timespec t0, t1;
            struct rusage ru;
            int status;
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
            us[c * rounds + r] = (double)(t1.tv_sec - t0.tv_sec) * 1e6 +
                                 (double)(t1.tv_nsec - t0.tv_nsec) / 1e3;
            if (ru.ru_maxrss > rss[c])
                rss[c] = ru.ru_maxrss;
        }
    for (int c = 0; c < n; c++) {
        qsort(us + c * rounds, (size_t)rounds, sizeof *us, cmp);
        printf("%.0f %ld\n", us[c * rounds + rounds / 2], rss[c]);
    }
    return 0;
}
