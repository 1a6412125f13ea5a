#include "DefaultBank.h"

#include <stdint.h>
#include <string.h>

namespace {

// The bank's header: magic, size, bank magic, version, plug-in id and
// version, then the program count, the current program and reserved bytes.
const long kProgramCountAt = 24;
const long kBankHeaderSize = 156;
// A program: magic, then its size S, counting from after S; then program
// magic, version, plug-in id and version, the value count, the name.
const long kProgramFixedAfterSize = 48;

bool Read32(FILE* file, uint32_t* value)
{
  unsigned char b[4];
  if (fread(b, 1, 4, file) != 4) return false;
  *value = (uint32_t)b[0] << 24 | (uint32_t)b[1] << 16 | (uint32_t)b[2] << 8 | b[3];
  return true;
}

bool ReadInt(FILE* file, int32_t* value)
{
  uint32_t u;
  if (!Read32(file, &u)) return false;
  memcpy(value, &u, sizeof u);
  return true;
}

bool Skip(FILE* file, long bytes, long fileSize)
{
  const long at = ftell(file);
  return at >= 0 && bytes >= 0 && bytes <= fileSize - at && fseek(file, at + bytes, SEEK_SET) == 0;
}

}  // namespace

bool ReadBankProgram(FILE* file, long fileSize, int maxParams, BankProgram* program)
{
  int32_t size, count;
  if (!Skip(file, 4, fileSize) || !ReadInt(file, &size) || !Skip(file, 16, fileSize) || !ReadInt(file, &count))
    return false;
  if (count < 0 || count > maxParams) return false;
  memset(program->name, 0, sizeof program->name);
  if (fread(program->name, 1, BankProgram::kNameLen, file) != (size_t)BankProgram::kNameLen) return false;
  program->values.resize((size_t)count);
  for (float& v : program->values) {
    uint32_t bits;
    if (!Read32(file, &bits)) return false;
    memcpy(&v, &bits, sizeof v);
  }
  // A record larger than its values says how much more to pass over.
  if (kProgramFixedAfterSize + 4L * count < size && ftell(file) < fileSize) {
    int32_t more;
    if (!ReadInt(file, &more) || !Skip(file, more, fileSize)) return false;
  }
  return true;
}

bool ReadBank(FILE* file, int maxParams, std::vector<BankProgram>* programs)
{
  programs->clear();
  if (fseek(file, 0, SEEK_END) != 0) return false;
  const long fileSize = ftell(file);
  int32_t count, current;
  if (fileSize < 0 || fseek(file, kProgramCountAt, SEEK_SET) != 0 || !ReadInt(file, &count) ||
      !ReadInt(file, &current) || !Skip(file, kBankHeaderSize - kProgramCountAt - 8, fileSize) || count < 0)
    return false;
  // Each program is kept as it is read: the count is the file's word, and
  // the file's end stops a count it cannot keep.
  for (int32_t i = 0; i < count; ++i) {
    BankProgram p;
    if (!ReadBankProgram(file, fileSize, maxParams, &p)) return false;
    programs->push_back(std::move(p));
  }
  uint32_t further;
  return ftell(file) >= fileSize || Read32(file, &further);
}
