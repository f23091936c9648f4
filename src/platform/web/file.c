/* The file calls the library leaves to each system, on Emscripten's file system. */
#include <errno.h>
#include <sys/stat.h>
#include <unistd.h>

#include "allegro.h"
#include "allegro/internal/aintern.h"

int _al_file_isok(AL_CONST char *filename)
{
   (void)filename;
   return TRUE;
}

static int stat_of(AL_CONST char *filename, struct stat *s)
{
   char tmp[1024];
   if (stat(uconvert(filename, U_CURRENT, tmp, U_UTF8, sizeof tmp), s) != 0) {
      *allegro_errno = errno;
      return -1;
   }
   return 0;
}

uint64_t _al_file_size_ex(AL_CONST char *filename)
{
   struct stat s;
   return stat_of(filename, &s) == 0 ? (uint64_t)s.st_size : 0;
}

time_t _al_file_time(AL_CONST char *filename)
{
   struct stat s;
   return stat_of(filename, &s) == 0 ? s.st_mtime : 0;
}

void _al_getdcwd(int drive, char *buf, int size)
{
   char tmp[1024];
   (void)drive;
   if (getcwd(tmp, sizeof tmp))
      do_uconvert(tmp, U_UTF8, buf, U_CURRENT, size);
   else
      usetc(buf, 0);
}

/* Nothing the game does lists folders: the search finds nothing. */
int al_findfirst(AL_CONST char *pattern, struct al_ffblk *info, int attrib)
{
   (void)pattern;
   (void)attrib;
   info->ff_data = NULL;
   *allegro_errno = ENOENT;
   return -1;
}

int al_findnext(struct al_ffblk *info)
{
   (void)info;
   *allegro_errno = ENOENT;
   return -1;
}

void al_findclose(struct al_ffblk *info)
{
   (void)info;
}

void _al_detect_filename_encoding(void)
{
}
