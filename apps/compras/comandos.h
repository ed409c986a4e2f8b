// Os comandos do compras: cada um recebe os argumentos depois do seu nome e devolve
// o código de saída (0 sucesso, 1 falha da operação, 2 uso errado).
#pragma once

#include <string>

#include "vrmwnd/suite/servidor/IQZCM_AutorizacaoCompra.h"

namespace compras {

struct TComando {
  const char* szNome;
  const char* szUso;     // "origem CHAVE|TEXTO"
  const char* szResumo;  // uma linha
  int (*pExecuta)(int argc, char** argv);
};

// Mensagem de uso errado em stderr, com o uso do comando; devolve 2.
int UsoErrado(const TComando& comando, const char* szMotivo);
const TComando& Comando(const char* szNome);

int ComandoOrigem(int argc, char** argv);
int ComandoData(int argc, char** argv);
int ComandoValor(int argc, char** argv);
int ComandoInstalar(int argc, char** argv);
int ComandoLog(int argc, char** argv);
int ComandoEmpresa(int argc, char** argv);
int ComandoNota(int argc, char** argv);
int ComandoAlerta(int argc, char** argv);
// nota importar POS [POS...] [--json] [--empresa NOME]; argv[0] é "importar".
int ComandoNotaImportar(int argc, char** argv);
int ComandoConsulta(int argc, char** argv);
// compras tela [--empresa NOME]: as telas do módulo no terminal.
int ComandoTela(int argc, char** argv);

// O servidor de autorizações de compra aberto na empresa (o chamador o libera com
// Release), ou nulo com o resultado da falha em hr.
IQZCM_AutorizacaoCompra* AbreServidorDeAutorizacoes(const char* szEmpresa, HRESULT& hr);
int ComandoChave(int argc, char** argv);
int ComandoCotacaoWeb(int argc, char** argv);
int ComandoProgresso(int argc, char** argv);
// compras redimensiona [--arrasta LxA] [--maximiza] [--esquece]
int ComandoRedimensiona(int argc, char** argv);
// Os diálogos do módulo, abertos com o agente instalado (na tela, a pessoa): cada um
// imprime o que o diálogo devolveu e dá 0, ou 1 quando não houve resultado.
int DialogoChave(int nForma, int nMovimento);
int DialogoCotacaoWeb(const char* szEmpresa);
int DialogoProgresso(int nPassos, int nPasso);

// A empresa que os comandos usam quando não se diz outra.
inline constexpr const char* kEmpresaPadrao = "AMOSTRA";
// Cria a instalação de exemplo sob a pasta da plataforma quando o registro ainda não
// tem "Path" (ou sempre, com bForcar) e devolve a pasta; vazio (com a mensagem em
// stderr) quando falhou.
std::string GaranteInstalacao(bool bForcar);
// Cria a empresa padrão no primeiro uso; false (com a mensagem em stderr) na falha.
bool GaranteEmpresa(const char* szEmpresa);

}  // namespace compras
