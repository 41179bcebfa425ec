#pragma once

#include <QByteArray>
#include <QImage>

#include <string>

// The program's own resources, embedded at build time under their resource names
// (CLASSICTYPE_ON, SOUND_OFF, KEDOOZLE_LOGO, KDCURSOR_HAND, ...).

// The raw bytes of resource `name`; raises EResNotFound "Resource %s not found" when absent.
QByteArray LoadProgramResource(const std::string& name);
// A bitmap resource as an image; raises EResNotFound when absent.
QImage LoadProgramBitmap(const std::string& name);
bool ProgramResourceExists(const std::string& name);
