#ifndef DEFAULTBANK_H
#define DEFAULTBANK_H

// Reading a VST 2 bank file (big-endian): its programs' names and
// normalized parameter values. The plug-in's default bank lies beside its
// library (Tolvo::LoadDefaultBank).

#include <stdio.h>

#include <vector>

struct BankProgram {
  static constexpr int kNameLen = 28;  // in the file, zero-padded

  char name[kNameLen + 1];  // always terminated
  std::vector<float> values;
};

// The program record at the file's position; false when it is cut short,
// holds more than maxParams values or sizes itself past the file's end.
bool ReadBankProgram(FILE* file, long fileSize, int maxParams, BankProgram* program);

// Every program the bank's header promises, in order, then the one value
// that may follow them; false when the file fails before that, with the
// programs read until then kept in *programs.
bool ReadBank(FILE* file, int maxParams, std::vector<BankProgram>* programs);

#endif
