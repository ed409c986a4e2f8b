// A ajuda de contexto dos módulos: cada módulo tem um arquivo de ajuda
// ("QZ<sigla>Ajuda.txt", texto em UTF-8) na pasta de instalação da suíte, e as telas
// a abrem quando a pessoa aperta F1.
#pragma once

#include "vrmwnd/base/exporta.h"
#include "vrmwnd/platform/CString.h"
#include "vrmwnd/platform/windef.h"

// O caminho do arquivo de ajuda do módulo; vazio para um número fora da tabela.
VRMWND_BASE_API CString QZArquivoAjuda(int nModulo);
// Mostra a ajuda do módulo numa caixa "Ajuda - <título do módulo>" sobre hPai. Sem o
// arquivo (ou com um número fora da tabela) a caixa diz o que falta e a resposta é
// false.
VRMWND_BASE_API bool QZAbreAjuda(int nModulo, HWND hPai);
