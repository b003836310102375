#pragma once
// The independent reader of compound files: a python interpreter with the olefile module.

#include <QString>

// The interpreter to run, or an empty string when no interpreter here has olefile.
QString OlefilePython();
