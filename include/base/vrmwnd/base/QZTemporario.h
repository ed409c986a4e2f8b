// Arquivos temporários da base: um nome novo na pasta temporária do sistema, feito
// do prefixo, de um número e da extensão, com o arquivo já criado vazio para que
// ninguém mais o tome.
#pragma once

#include "vrmwnd/base/exporta.h"
#include "vrmwnd/platform/CString.h"

// "<pasta temporária>/<prefixo><número>.<extensão>", criado vazio; vazio quando a
// pasta não aceita arquivos.
VRMWND_BASE_API CString QZArquivoTemporario(const char* szPrefixo, const char* szExtensao);
