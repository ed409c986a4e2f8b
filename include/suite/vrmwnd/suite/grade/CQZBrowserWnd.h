// Framework de grades da suíte sobre a grade da plataforma: CQZBrowserWnd (janela
// de navegação) e CQZBrowserView (a mesma grade como vista), cada uma com o seu
// CQZGrid — colunas descritas pela tela, opções, ordenação, linha de totais,
// configuração salva no perfil da aplicação, impressão e a linha selecionada.
#pragma once

#include <vector>

#include "vrmwnd/base/T_Lista.h"
#include "vrmwnd/platform/gxwnd.h"
#include "vrmwnd/suite/exporta.h"

// Registro de uma coluna, preenchido pela tela no retorno de descrição de coluna.
// m_nOpcoes: QZCOL_TOTALIZAVEL | QZCOL_NUMERICA (258) soma a coluna na linha de
// totais; as telas passam 256 nas demais. m_nMargem: margem interna em pixels,
// descontada da largura na impressão (as telas passam 10).
enum { QZCOL_NUMERICA = 0x2, QZCOL_TOTALIZAVEL = 0x100 };
enum { QZALINHA_ESQUERDA = 0, QZALINHA_CENTRO = 1, QZALINHA_DIREITA = 2 };
struct TQZColunaBrowse {
  CString m_strTitulo;
  int m_nLargura = CGXGridCore::kDefaultColWidth;
  int m_nAlinhamento = QZALINHA_ESQUERDA;
  char m_cTipo = 3;  // 2 valor, 3 texto, 4 data, 6 valor com opção
  int m_nMargem = 10;
  int m_nOpcoes = QZCOL_TOTALIZAVEL;
};

class CQZBrowserWnd;

class VRMWND_SUITE_API CQZGrid {
 public:
  explicit CQZGrid(CQZBrowserWnd& janela) : m_Janela(janela) {}

  // Esquece a célula corrente e a seleção (a próxima célula corrente avisa a tela
  // de novo, mesmo no mesmo registro); bRedesenha pede o redesenho já.
  void Reset(bool bRedesenha);
  // Ordena as linhas de registro pela coluna da grade (1 = primeira descrita).
  // Sem ordenação permitida não faz nada e devolve false.
  bool OrdenaColuna(ROWCOL nColuna, bool bAscendente);
  ROWCOL GetColunaOrdenada() const;
  bool GetOrdemAscendente() const;
  bool GetEnableTotalizacao() const { return m_bTotalizacao; }
  // Liga ou desliga a linha de totais (linha 1); a quantidade de linhas é da tela.
  void SetEnableTotalizacao(bool bTotalizar);
  // A coluna da célula corrente, ou a primeira coluna visível sem célula corrente.
  ROWCOL GetColunaBrowseAtual() const;
  // O registro da célula corrente, ou -1.
  long GetRegistroAtual() const;
  // Índice (0 = primeira) da coluna de título dado, ou -1.
  int GetIndiceColuna(const CString& strTitulo) const;
  int GetQtdColunas() const { return static_cast<int>(m_Colunas.size()); }
  const TQZColunaBrowse& GetColuna(int nIndice) const { return m_Colunas.at(nIndice); }
  // Mostra ou esconde a coluna de índice dado; índice fora das colunas: false.
  bool ToggleColunaVisivel(int nIndice);
  bool GetColunaVisivel(int nIndice) const;
  // As linhas de cabeçalho, uma linha em branco e a grade em texto.
  CString Imprimir(const T_Lista<CString>& cabecalho);

  // Perfil da aplicação, seção "Grid <identificador>": "Larguras", "Ocultas" (índices)
  // e "Ordenacao" (coluna e 1 ascendente / 0 descendente). Sem identificador ou
  // com a opção desligada nada é lido nem gravado.
  void CarregaConfiguracao();
  void SalvaConfiguracao() const;

 private:
  friend class CQZBrowserWnd;
  CString SecaoPerfil() const;

  CQZBrowserWnd& m_Janela;
  std::vector<TQZColunaBrowse> m_Colunas;
  bool m_bTotalizacao = false;
};

class VRMWND_SUITE_API CQZBrowserWnd : public CGXBrowserWnd {
  DECLARE_DYNAMIC(CQZBrowserWnd)

 public:
  CQZBrowserWnd() : m_Grid(*this) {}

  // Opções, dadas antes de OnInitialUpdate. Tipo de seleção: 0 uma linha pelo
  // clique, 2 só por programa.
  void SetTipoSelecao(int nTipo) { m_nTipoSelecao = nTipo; }
  void SetColunasMoveis(BOOL b) { m_bColunasMoveis = b; }
  void SetColunasRedimensionaveis(BOOL b) { m_bColunasRedimensionaveis = b; }
  void SetSalvaConfiguracao(BOOL b) { m_bSalvaConfiguracao = b; }
  void SetPermiteOrdenacao(BOOL b) { m_bPermiteOrdenacao = b; }
  void SetMostraNumeroLinha(BOOL b) { m_bMostraNumeroLinha = b; }
  void SetPermiteConfiguracaoUsuario(BOOL b) { m_bConfiguracaoUsuario = b; }
  void SetCabecalhoSelecionavel(BOOL b) { m_bCabecalhoSelecionavel = b; }
  void SetIdentificador(const CString& strId) { m_strIdentificador = strId; }
  void SetQtdColunas(int nColunas) { m_nQtdColunas = nColunas; }
  int GetTipoSelecao() const { return m_nTipoSelecao; }
  BOOL GetPermiteOrdenacao() const { return m_bPermiteOrdenacao; }
  BOOL GetSalvaConfiguracao() const { return m_bSalvaConfiguracao; }
  const CString& GetIdentificador() const { return m_strIdentificador; }
  bool GetEnableTotalizacao() const { return m_Grid.GetEnableTotalizacao(); }
  void SetEnableTotalizacao(bool b) { m_Grid.SetEnableTotalizacao(b); }
  int GetIndiceColuna(const CString& strTitulo) const { return m_Grid.GetIndiceColuna(strTitulo); }
  bool ToggleColunaVisivel(int nIndice) { return m_Grid.ToggleColunaVisivel(nIndice); }
  CString Imprimir(const T_Lista<CString>& cabecalho) { return m_Grid.Imprimir(cabecalho); }
  CQZGrid* GetQZGrid() { return &m_Grid; }

  // Pede a descrição de cada coluna (OnDescreveColuna), monta cabeçalhos, larguras,
  // alinhamentos e totais, e lê a configuração salva.
  void OnInitialUpdate() override;

 protected:
  // Descrição da coluna nColuna (0 = primeira).
  virtual void OnDescreveColuna(int nColuna, TQZColunaBrowse& coluna) = 0;
  // A célula corrente passou a outro registro (ou a nenhum, -1).
  virtual void OnLinhaSelecionada(long nRegistro);
  void OnMovedCurrentCell(ROWCOL nRow, ROWCOL nCol) override;
  // Salva a configuração quando a grade foi inicializada.
  afx_msg void OnDestroy();

  CQZGrid m_Grid;

 private:
  int m_nTipoSelecao = 0;
  BOOL m_bColunasMoveis = TRUE, m_bColunasRedimensionaveis = TRUE, m_bSalvaConfiguracao = FALSE;
  BOOL m_bPermiteOrdenacao = TRUE, m_bMostraNumeroLinha = TRUE, m_bConfiguracaoUsuario = TRUE;
  BOOL m_bCabecalhoSelecionavel = TRUE;
  CString m_strIdentificador;
  int m_nQtdColunas = 0;
  long m_nUltimoRegistro = -1;
  friend class CQZGrid;
  DECLARE_MESSAGE_MAP()
};

// A grade da suíte mostrada como vista de um documento.
class VRMWND_SUITE_API CQZBrowserView : public CQZBrowserWnd {
  DECLARE_DYNAMIC(CQZBrowserView)
};
