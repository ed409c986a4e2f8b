// CQZQuemGerou: a origem de um registro (quem gerou) sobre um REG_QZDMC. Empacota e
// desempacota os campos, compõe a posição de 32 bits (sequência << 12 | mês), dá os
// textos para o usuário e para gravação e lê de volta o texto de gravação.
#pragma once

#include "vrmwnd/base/REG_QZDMC.h"
#include "vrmwnd/base/datas.h"
#include "vrmwnd/base/exporta.h"
#include "vrmwnd/platform/CString.h"
#include "vrmwnd/platform/wintypes.h"

class VRMWND_BASE_API CQZQuemGerou {
 public:
  CQZQuemGerou() = default;
  CQZQuemGerou(const REG_QZDMC& reg) : m_reg(reg) {}
  // Posição sequência * 4096 + código do mês; posição 0 zera todos os campos.
  CQZQuemGerou(ULONG lPosicao, int nOrigem);
  CQZQuemGerou(ULONG nNumero, int nOrigem, ULONG nData, int nTipoChave);
  // Forma 3 (dia) ou 2 (mês), origem 0.
  CQZQuemGerou(ULONG nNumero, REG_QZDMA dma);
  CQZQuemGerou(ULONG nNumero, REG_QZMA ma);
  // Lê o texto de GetDescricaoCompleta.
  explicit CQZQuemGerou(const CString& texto);
  virtual ~CQZQuemGerou() = default;

  // Cada acesso lê ou troca exatamente os bits do seu campo.
  int GetTipoChave() const;
  int GetOrigem() const;
  ULONG GetNumero() const;
  ULONG GetData() const;
  void SetTipoChave(int nTipoChave);
  void SetOrigem(int nOrigem);  // guarda só os 12 bits baixos
  void SetNumero(ULONG nNumero);
  void SetData(ULONG nData);  // guarda só os 18 bits baixos

  // Data tipada: guarda o código e a forma (3/2/1 quando válida, senão 0).
  void SetDataDMA(REG_QZDMA dma);
  void SetDataMA(REG_QZMA ma);
  void SetDataAno(int nAno);
  REG_QZDMA GetDataDMA() const { return GetData(); }
  REG_QZMA GetDataMA() const { return static_cast<REG_QZMA>(GetData()); }

  const REG_QZDMC& GetRegQuemGerou() const { return m_reg; }
  // Numero << 12 | 16 bits baixos de Data.
  ULONG GetPosicao() const;

  // O valor inteiro em decimal sem sinal ("%I64u").
  CString GetChaveTexto() const;
  // "MA - 05/2018 - 42 - 5 (Comercial - Nota Fiscal)": forma, data, número, origem e
  // o rótulo completo quando o tipo tem um.
  CString GetDescricaoCompleta() const;
  // Lê o texto acima (brancos ignorados; forma por nome ou dígito; tokens ausentes
  // valem 0; um número negativo depois do " - " volta ao número de 32 bits sem sinal
  // que "%d" escreveu) e troca todos os campos.
  void SetDescricaoCompleta(const CString& texto);
  // Como SetDescricaoCompleta, mas só aceita um texto na forma que GetDescricaoCompleta
  // escreve (forma, data, número e origem legíveis, rótulo opcional): false, com os
  // campos intocados, para qualquer outro.
  bool LeDescricaoCompleta(const CString& texto);
  // "Módulo Comercial - Nota Fiscal - Mês/Ano: 05/2018 - Chave: 42", até 255 caracteres.
  CString GetDescricao() const;

  // Rótulos do tipo em szBuffer (limpo antes, até nTamanho - 1 bytes sem partir um
  // caractere); tipo fora de 1..117 ou sem entrada dá texto vazio.
  static void GetNomeOrigem(int nOrigem, char* szBuffer, int nTamanho);
  static void GetNomeDocumento(int nOrigem, char* szBuffer, int nTamanho);
  static void GetArtigo(int nOrigem, char* szBuffer, int nTamanho);
  void GetNomeOrigem(char* szBuffer, int nTamanho) const { GetNomeOrigem(GetOrigem(), szBuffer, nTamanho); }
  void GetNomeDocumento(char* szBuffer, int nTamanho) const { GetNomeDocumento(GetOrigem(), szBuffer, nTamanho); }
  void GetArtigo(char* szBuffer, int nTamanho) const { GetArtigo(GetOrigem(), szBuffer, nTamanho); }

  // Nome da forma: "Nenhum", "Ano", "MA", "DMA".
  static const char* NomeTipoChave(int nTipoChave);

  friend bool operator==(const CQZQuemGerou& a, const CQZQuemGerou& b) { return a.m_reg == b.m_reg; }

 private:
  CString TextoDaData() const;

  REG_QZDMC m_reg;
};
