/* Times whole runs of several programs, interleaved so that the machine's
 * drift falls on all of them alike: run 1 of each, then run 2 of each, and so
 * on. Standard output goes to /dev/null. Prints, for each program, the median
 * wall time of a run (spawn to exit) in microseconds.
 *
 * Usage: interleave RUNS PROGRAM...
 */
#define _POSIX_C_SOURCE 200809L
#include <fcntl.h>
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char** environ;

static double now_us(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return (double)t.tv_sec * 1e6 + (double)t.tv_nsec / 1e3;
}

static int by_value(const void* a, const void* b) {
  const double x = *(const double*)a;
  const double y = *(const double*)b;
  return (x > y) - (x < y);
}

int main(int argc, char** argv) {
  if (argc < 3) {
    fprintf(stderr, "usage: interleave RUNS PROGRAM...\n");
    return 2;
  }
  const int runs = atoi(argv[1]);
  const int programs = argc - 2;
  if (runs < 1) {
    fprintf(stderr, "interleave: RUNS must be at least 1\n");
    return 2;
  }
  double* times = malloc(sizeof(double) * (size_t)runs * (size_t)programs);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);

  for (int run = 0; run < runs; ++run) {
    for (int p = 0; p < programs; ++p) {
      char* child_argv[] = {argv[2 + p], NULL};
      const double start = now_us();
      pid_t pid;
      if (posix_spawn(&pid, argv[2 + p], &actions, NULL, child_argv, environ) != 0) {
        fprintf(stderr, "interleave: cannot run %s\n", argv[2 + p]);
        return 1;
      }
      int status;
      waitpid(pid, &status, 0);
      times[(size_t)p * (size_t)runs + (size_t)run] = now_us() - start;
      if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        fprintf(stderr, "interleave: %s failed\n", argv[2 + p]);
        return 1;
      }
    }
  }

  for (int p = 0; p < programs; ++p) {
    double* mine = times + (size_t)p * (size_t)runs;
    qsort(mine, (size_t)runs, sizeof(double), by_value);
    const double median = runs % 2 ? mine[runs / 2] : (mine[runs / 2 - 1] + mine[runs / 2]) / 2;
    printf("%.1f %s\n", median, argv[2 + p]);
  }
  free(times);
  return 0;
}
