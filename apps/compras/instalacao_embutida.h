// Os arquivos da instalação de exemplo (log.ini e os arquivos de mensagens),
// embutidos no programa na compilação; a lista termina com nomes nulos.
#pragma once

#include <string>

namespace compras {

struct TArquivoEmbutido {
  const char* szNome;
  const char* szConteudo;
};

extern const TArquivoEmbutido kArquivosInstalacao[];

// Cria a instalação sob a pasta da plataforma quando o registro ainda não tem
// "Path" (ou sempre, com bForcar) e devolve a pasta; vazio quando falhou.
std::string GaranteInstalacao(bool bForcar);

}  // namespace compras
