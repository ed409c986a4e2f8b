-- Banco de dados de uma empresa da suíte: o que as leituras do servidor devolvem.
-- As colunas têm o nome do campo do registro de layout fixo que preenchem; as que
-- não correspondem a campo (chaves de ligação, ordem) são da própria tabela.
-- Valores CY são inteiros em décimos de milésimo (150,00 = 1500000); valores V8 e
-- pesos de 8 casas são inteiros brutos; datas são texto 'AAAA-MM-DD' (nulo = sem data).

CREATE TABLE filial (
  iPonteiro INTEGER PRIMARY KEY,
  iNumero INTEGER NOT NULL,
  szNome TEXT NOT NULL,
  szCNPJ TEXT NOT NULL DEFAULT '',
  szUF TEXT NOT NULL DEFAULT '',
  byTributadaIPI INTEGER NOT NULL DEFAULT 0,
  byCSTCOFINSProprio INTEGER NOT NULL DEFAULT 0,
  byAtiva INTEGER NOT NULL DEFAULT 1
);

-- Plano de contas e plano gerencial (byGerencial = 1). cTipo 'A' analítica, 'T'
-- sintética (totaliza as analíticas cujo código começa pelo dela e "."); a
-- característica agrupa as contas para as consultas (4 fornecedores, 8 disponível,
-- 16 estoque, 32 despesa; 0 nenhuma).
CREATE TABLE conta (
  lPonteiro INTEGER PRIMARY KEY,
  szCodigo TEXT NOT NULL,
  szDescricao TEXT NOT NULL,
  byGerencial INTEGER NOT NULL DEFAULT 0,
  cRemetente2 TEXT NOT NULL DEFAULT 'N',
  cRemetente1 TEXT NOT NULL DEFAULT 'N',
  cClassificacao TEXT NOT NULL DEFAULT 'N',
  cTipo TEXT NOT NULL DEFAULT 'A',
  byCaracteristica INTEGER NOT NULL DEFAULT 0
);

-- Relações entre o plano de contas e o plano gerencial: as contas gerenciais em que
-- uma conta empresarial (classificação) se rateia, por filial (0 = todas) e
-- vigência (início e fim inclusive), com a parte sugerida de cada uma em
-- centésimos de ponto percentual (0 = sem sugestão).
CREATE TABLE conta_relacao_gerencial (
  lContaEmpresarial INTEGER NOT NULL,
  lContaGerencial INTEGER NOT NULL,
  iFilial INTEGER NOT NULL DEFAULT 0,
  dmaInicio TEXT NOT NULL DEFAULT '0001-01-01',
  dmaFim TEXT NOT NULL DEFAULT '9999-12-31',
  iPercentualSugerido INTEGER NOT NULL DEFAULT 0,
  PRIMARY KEY (lContaEmpresarial, lContaGerencial, iFilial, dmaInicio)
);

-- Clientes, fornecedores e transportadoras, com as informações extras.
CREATE TABLE cfrt (
  lPonteiroConta INTEGER PRIMARY KEY REFERENCES conta(lPonteiro),
  szNome TEXT NOT NULL,
  szDocumento TEXT NOT NULL DEFAULT '',
  cTipoPessoa TEXT NOT NULL DEFAULT 'J',
  byFormaPagamento INTEGER NOT NULL DEFAULT 0,
  szInscricaoMunicipal TEXT NOT NULL DEFAULT '',
  cTipoAssinante TEXT NOT NULL DEFAULT '0'
);

CREATE TABLE documento (
  iPonteiro INTEGER PRIMARY KEY,
  szCodigo TEXT NOT NULL,
  szDescricao TEXT NOT NULL,
  byUsaNaEntrada INTEGER NOT NULL DEFAULT 1
);

-- CFOPs (cProdutoServico 'P') e situações de serviço ('S').
CREATE TABLE natureza (
  iPonteiro INTEGER PRIMARY KEY,
  lCodigo INTEGER NOT NULL,
  szNome TEXT NOT NULL,
  iPonteiroFilial INTEGER NOT NULL DEFAULT 0,
  cProdutoServico TEXT NOT NULL DEFAULT 'P',
  byPresente INTEGER NOT NULL DEFAULT 1,
  byIPIInclusoICMS INTEGER NOT NULL DEFAULT 0,
  byTipoOperacao INTEGER NOT NULL DEFAULT 0,
  byImportacao INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE unidade_medida (
  iPonteiro INTEGER PRIMARY KEY,
  szSigla TEXT NOT NULL,
  szDescricao TEXT NOT NULL,
  byTipoDecimais INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE produto (
  lPonteiro INTEGER PRIMARY KEY,
  szCodigo TEXT NOT NULL,
  szDescricao TEXT NOT NULL,
  iPonteiroUnidadeMedida INTEGER NOT NULL REFERENCES unidade_medida(iPonteiro),
  byControlaLote INTEGER NOT NULL DEFAULT 0,
  byControlaArmaFogo INTEGER NOT NULL DEFAULT 0,
  byICMSDispensado INTEGER NOT NULL DEFAULT 0,
  lPonteiroClassificacao INTEGER NOT NULL DEFAULT 0,
  iPonteiroLocalEstoque INTEGER NOT NULL DEFAULT 0,
  byTipoEntradaEstoque INTEGER NOT NULL DEFAULT 1
);

-- Serviços tomados: unidade e conta de classificação das compras.
CREATE TABLE servico (
  lPonteiro INTEGER PRIMARY KEY,
  szCodigo TEXT NOT NULL,
  szDescricao TEXT NOT NULL,
  iPonteiroUnidadeMedida INTEGER NOT NULL DEFAULT 0,
  lPonteiroClassificacao INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE situacao_tributaria (
  byPonteiro INTEGER PRIMARY KEY,
  szCodigo TEXT NOT NULL,
  szDescricao TEXT NOT NULL,
  byEhCST INTEGER NOT NULL DEFAULT 0,
  byEhCSOSN INTEGER NOT NULL DEFAULT 0
);

-- Quem a suíte conhece pelo número: usuários, compradores (cada um é um usuário),
-- departamentos (por filial; 0 = todas) e requerentes (de um departamento).
CREATE TABLE usuario (
  iPonteiro INTEGER PRIMARY KEY,
  szLogin TEXT NOT NULL,
  szNome TEXT NOT NULL,
  byAtivo INTEGER NOT NULL DEFAULT 1
);

CREATE TABLE comprador (
  iPonteiro INTEGER PRIMARY KEY,
  szCodigo TEXT NOT NULL,
  szNome TEXT NOT NULL,
  iPonteiroUsuario INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE departamento (
  iPonteiro INTEGER PRIMARY KEY,
  szCodigo TEXT NOT NULL,
  szNome TEXT NOT NULL,
  iPonteiroFilial INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE requerente (
  iPonteiro INTEGER PRIMARY KEY,
  szCodigo TEXT NOT NULL,
  szNome TEXT NOT NULL,
  iPonteiroDepartamento INTEGER NOT NULL DEFAULT 0
);

-- Municípios pelo código do IBGE, com a UF.
CREATE TABLE municipio (
  lPonteiro INTEGER PRIMARY KEY,
  lCodigoIBGE INTEGER NOT NULL,
  szNome TEXT NOT NULL,
  szUF TEXT NOT NULL
);

-- Leiautes de importação e de relatório, por módulo ("CM" este).
CREATE TABLE leiaute (
  iPonteiro INTEGER PRIMARY KEY,
  szNome TEXT NOT NULL,
  szModulo TEXT NOT NULL DEFAULT 'CM'
);

-- Cadastros dos edits de consulta de compras, fiscal e estoque. Contratos de compra
-- por filial (0 = todas); CST do IPI de entrada ('E') e de saída ('S'); locais de
-- estoque por filial, alguns reservados a um lote; tipos de movimento de entrada ('E')
-- e de saída ('S'); tabelas de preço de compra ('C') ou de venda ('V') de produtos
-- ('P') ou de serviços ('S'); taxas de conversão de uma unidade para outra (fator em
-- décimos de milésimo, 12 = 120000).
CREATE TABLE contrato_compra (
  lPonteiro INTEGER PRIMARY KEY,
  szCodigo TEXT NOT NULL,
  szDescricao TEXT NOT NULL,
  lPonteiroFornecedor INTEGER NOT NULL DEFAULT 0,
  iPonteiroFilial INTEGER NOT NULL DEFAULT 0,
  byAtivo INTEGER NOT NULL DEFAULT 1
);

CREATE TABLE controle_qualidade (
  iPonteiro INTEGER PRIMARY KEY,
  szCodigo TEXT NOT NULL,
  szDescricao TEXT NOT NULL
);

CREATE TABLE codigo_barras (
  lPonteiro INTEGER PRIMARY KEY,
  szCodigoBarras TEXT NOT NULL,
  lPonteiroProduto INTEGER NOT NULL REFERENCES produto(lPonteiro)
);

CREATE TABLE complemento_historico (
  iPonteiro INTEGER PRIMARY KEY,
  szDescricao TEXT NOT NULL,
  iPonteiroHistorico INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE contato_cfrt (
  lPonteiro INTEGER PRIMARY KEY,
  lPonteiroConta INTEGER NOT NULL REFERENCES cfrt(lPonteiroConta),
  szNome TEXT NOT NULL,
  szEmail TEXT NOT NULL DEFAULT ''
);

CREATE TABLE ajuste_efd (
  iPonteiro INTEGER PRIMARY KEY,
  szCodigo TEXT NOT NULL,
  szDescricao TEXT NOT NULL
);

CREATE TABLE cst_ipi (
  iPonteiro INTEGER PRIMARY KEY,
  szCodigo TEXT NOT NULL,
  szDescricao TEXT NOT NULL,
  cEntradaSaida TEXT NOT NULL DEFAULT 'E'
);

CREATE TABLE local_estoque (
  iPonteiro INTEGER PRIMARY KEY,
  szCodigo TEXT NOT NULL,
  szDescricao TEXT NOT NULL,
  iPonteiroFilial INTEGER NOT NULL DEFAULT 0,
  lPonteiroLote INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE mensagem_fiscal (
  iPonteiro INTEGER PRIMARY KEY,
  szTexto TEXT NOT NULL,
  byAtiva INTEGER NOT NULL DEFAULT 1
);

CREATE TABLE tipo_movimento (
  lPonteiro INTEGER PRIMARY KEY,
  szCodigo TEXT NOT NULL,
  szDescricao TEXT NOT NULL,
  cEntradaSaida TEXT NOT NULL DEFAULT 'E'
);

CREATE TABLE codigo_recolhimento (
  iPonteiro INTEGER PRIMARY KEY,
  szCodigo TEXT NOT NULL,
  szDescricao TEXT NOT NULL
);

CREATE TABLE tabela_preco (
  iPonteiro INTEGER PRIMARY KEY,
  szCodigo TEXT NOT NULL,
  szDescricao TEXT NOT NULL,
  cCompraVenda TEXT NOT NULL DEFAULT 'C',
  cProdutoServico TEXT NOT NULL DEFAULT 'P',
  byAtiva INTEGER NOT NULL DEFAULT 1
);

CREATE TABLE taxa_conversao (
  iPonteiro INTEGER PRIMARY KEY,
  szCodigo TEXT NOT NULL,
  szDescricao TEXT NOT NULL,
  iPonteiroUnidadeDe INTEGER NOT NULL,
  iPonteiroUnidadePara INTEGER NOT NULL,
  cyFator INTEGER NOT NULL
);

-- As listas dos combos: bases de cálculo do crédito de PIS/COFINS por grupo de modelo
-- de documento ('M' mercadorias, 'S' serviços e transportes, 'E' energia e
-- comunicação, 'T' todos), índices econômicos, origens da mercadoria, tipos de
-- incidência de PIS/COFINS, tipos de período, regras de vencimento e estados.
CREATE TABLE base_calculo_credito (
  iPonteiro INTEGER PRIMARY KEY,
  szCodigo TEXT NOT NULL,
  szDescricao TEXT NOT NULL,
  cGrupoModelo TEXT NOT NULL DEFAULT 'T'
);

CREATE TABLE indice_economico (
  iPonteiro INTEGER PRIMARY KEY,
  szSigla TEXT NOT NULL,
  szDescricao TEXT NOT NULL
);

CREATE TABLE origem_mercadoria (
  iPonteiro INTEGER PRIMARY KEY,
  szCodigo TEXT NOT NULL,
  szDescricao TEXT NOT NULL
);

CREATE TABLE incidencia_pis_cofins (
  iPonteiro INTEGER PRIMARY KEY,
  szCodigo TEXT NOT NULL,
  szDescricao TEXT NOT NULL
);

CREATE TABLE tipo_periodo (
  iPonteiro INTEGER PRIMARY KEY,
  szCodigo TEXT NOT NULL,
  szDescricao TEXT NOT NULL,
  iMeses INTEGER NOT NULL DEFAULT 1
);

CREATE TABLE vencimento (
  iPonteiro INTEGER PRIMARY KEY,
  szCodigo TEXT NOT NULL,
  szDescricao TEXT NOT NULL
);

CREATE TABLE estado (
  iPonteiro INTEGER PRIMARY KEY,
  szSigla TEXT NOT NULL,
  szNome TEXT NOT NULL
);

CREATE TABLE historico (
  iPonteiro INTEGER PRIMARY KEY,
  szDescricao TEXT NOT NULL,
  byAtivo INTEGER NOT NULL DEFAULT 1
);

CREATE TABLE lote_estoque (
  lPonteiro INTEGER PRIMARY KEY,
  szNumero TEXT NOT NULL,
  dmaValidade TEXT,
  dmaFabricacao TEXT,
  iDiasValidade INTEGER NOT NULL DEFAULT 0,
  lPonteiroProduto INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE volume_estoque (
  lPonteiro INTEGER PRIMARY KEY,
  szVolume TEXT NOT NULL
);

-- Movimentos de estoque; llQuemGerou é a origem empacotada (REG_QZDMC).
CREATE TABLE movimento_estoque (
  lSequencia INTEGER PRIMARY KEY,
  lPonteiroProduto INTEGER NOT NULL,
  cyQuantidade INTEGER NOT NULL,
  maMovimento INTEGER NOT NULL,
  llQuemGerou INTEGER NOT NULL,
  lComplementoQuemGerou INTEGER NOT NULL DEFAULT 0,
  hObservacao TEXT
);

-- Configuração dos alertas por e-mail do módulo, um por tipo.
CREATE TABLE cm_cfg_alerta (
  lTipoAlerta INTEGER PRIMARY KEY,
  lNivelDetalhe INTEGER NOT NULL DEFAULT 4294967295,
  szModelo TEXT NOT NULL DEFAULT '',
  szCorpoProprio TEXT NOT NULL DEFAULT '',
  byUsuarioEscolheModelo INTEGER NOT NULL DEFAULT 0,
  szAssunto TEXT NOT NULL DEFAULT '',
  szDestinatarios TEXT NOT NULL DEFAULT ''
);

-- Modelos de e-mail da empresa: o nome mostrado, o arquivo (o nome completo) e a
-- extensão, o tipo de documento a que o modelo serve (7: cotação de preços pela web).
CREATE TABLE IF NOT EXISTS cm_modelo_email (
  iModelo INTEGER PRIMARY KEY,
  iExtensao INTEGER NOT NULL,
  szNome TEXT NOT NULL,
  szArquivo TEXT NOT NULL
);

-- Configuração mestre do módulo de Compras (uma linha).
CREATE TABLE cm_mestre (
  id INTEGER PRIMARY KEY CHECK (id = 1),
  bBloquearOCSuperiorOrcadoValorParcela INTEGER NOT NULL DEFAULT 0,
  bBloquearOCSuperiorOrcadoValorTotal INTEGER NOT NULL DEFAULT 0,
  nQtdMesesOrc INTEGER NOT NULL DEFAULT 12,
  maBaseOrc INTEGER NOT NULL DEFAULT 0,
  nPoderIncluirProdutosIguais INTEGER NOT NULL DEFAULT 0
);

-- Notas fiscais comerciais. As colunas regNFOrigem_* e regNFe_* preenchem os blocos
-- aninhados; as quantidades (iQtd…, byQtd…) têm de bater com as linhas filhas.
CREATE TABLE nota_fiscal (
  lPosicao INTEGER PRIMARY KEY,
  regNFOrigem_regNFe_hChaveAcesso TEXT, regNFOrigem_regNFe_byModelo INTEGER,
  regNFOrigem_cyTotal INTEGER, regNFOrigem_lChaveNFCM INTEGER, regNFOrigem_dmaEmissao TEXT,
  regNFOrigem_szNumero TEXT, regNFOrigem_szSerie TEXT, regNFOrigem_szModelo TEXT,
  regNFOrigem_byTipoOrigem INTEGER,
  regNFe_hChaveAcesso TEXT, regNFe_byModelo INTEGER, regNFe_byTipoEmissao INTEGER,
  regNFe_llProtocolo INTEGER, regNFe_dmaAutorizacao TEXT, regNFe_iSituacao INTEGER,
  cyFrete INTEGER, cySeguro INTEGER, cyDespesasAcessorias INTEGER, cyDesconto1 INTEGER,
  cyDeducaoICMSSuframa INTEGER, cyBaseIPI INTEGER, cyValorIPI INTEGER, cyDesconto2 INTEGER,
  cyIsentasICMS INTEGER, cyOutrasICMS INTEGER, cyIsentasIPI INTEGER, cyOutrasIPI INTEGER,
  cyQtdVolumes INTEGER, cyPesoBruto INTEGER, cyPesoLiquido INTEGER, cyFunrural INTEGER,
  lNSU INTEGER, lNumero INTEGER NOT NULL,
  lPonteiroCliente INTEGER NOT NULL, lPonteiroTransportadora INTEGER, lEntradaRecursos INTEGER,
  iPonteiroFilial INTEGER NOT NULL, dmaEmissao TEXT, dmaSaida TEXT,
  iPonteiroDocumento INTEGER, iPonteiroHistorico INTEGER, iPonteiroCFOP INTEGER,
  iPonteiroSitServico INTEGER,
  iQtdItensProduto INTEGER NOT NULL DEFAULT 0, iQtdItensServico INTEGER NOT NULL DEFAULT 0,
  iQtdRateioTotal INTEGER NOT NULL DEFAULT 0, iQtdMensagens INTEGER NOT NULL DEFAULT 0,
  szEspecieVolume TEXT, szNumeroVolume TEXT, szMarcaVolume TEXT, szComplementoHistorico TEXT,
  szPlaca1 TEXT, szPlaca2 TEXT, szPlaca3 TEXT, szUF1 TEXT, szUF2 TEXT, szUF3 TEXT,
  szSerie TEXT, szClasseConsumidora TEXT,
  byTipoNota INTEGER NOT NULL, bySituacao INTEGER, byQtdParcelas INTEGER NOT NULL DEFAULT 0,
  byViaTransporte INTEGER, byFretePorConta INTEGER
);

CREATE TABLE nf_item_produto (
  lPosicaoNota INTEGER NOT NULL REFERENCES nota_fiscal(lPosicao),
  nItem INTEGER NOT NULL,  -- 0, 1, … na ordem do vetor
  regNFOrigem_regNFe_hChaveAcesso TEXT, regNFOrigem_cyTotal INTEGER,
  regNFOrigem_lChaveNFCM INTEGER, regNFOrigem_dmaEmissao TEXT, regNFOrigem_szNumero TEXT,
  regNFOrigem_szSerie TEXT, regNFOrigem_szModelo TEXT, regNFOrigem_byTipoOrigem INTEGER,
  cyValorImposto2 INTEGER, cyValorImposto3 INTEGER, cyValorImposto4 INTEGER,
  lCodigoReceita2 INTEGER, lCodigoReceita3 INTEGER, lCodigoReceita4 INTEGER,
  iAliquota2 INTEGER, iAliquota3 INTEGER, iAliquota4 INTEGER,
  cyLotePrecoTabelado INTEGER, dmaLoteValidade TEXT, dmaLoteFabricacao TEXT,
  szLoteNumero TEXT, cLoteTipoReferencia TEXT,
  byArmaFogoTipo INTEGER, szArmaFogoSerie TEXT, szArmaFogoCano TEXT, szArmaFogoDescricao TEXT,
  cyBasePIS INTEGER, cyValorPIS INTEGER, cyAliquotaPIS INTEGER, iIncidenciaPIS INTEGER,
  byModoPIS INTEGER, cyBaseCOFINS INTEGER, cyValorCOFINS INTEGER, cyAliquotaCOFINS INTEGER,
  iIncidenciaCOFINS INTEGER, byModoCOFINS INTEGER,
  cyDIBase INTEGER, cyDIDespesasAduaneiras INTEGER, cyDIIOF INTEGER,
  cyDIImpostoImportacao INTEGER, dmaDIRegistro TEXT, dmaDIDesembaraco TEXT, szDINumero TEXT,
  szDICodigoExportador TEXT, szDIDesembaracoLocal TEXT, szDIDesembaracoUF TEXT,
  szDINumeroDrawback TEXT, byDISimplificada INTEGER, cyDIAdicaoDesconto INTEGER,
  iDIAdicaoNumero INTEGER, szDIAdicaoCodigoFabricante TEXT,
  lPosicaoProduto INTEGER NOT NULL DEFAULT 0, iPosicaoGrade1 INTEGER, iPosicaoGrade2 INTEGER,
  iPosicaoGrade3 INTEGER,
  cyQuantidade INTEGER NOT NULL, llValorUnitarioV8 INTEGER, llDescontoUnitarioV8 INTEGER,
  cyValorICMSST INTEGER, cyIPIPorUnidade INTEGER, cyValorIPI INTEGER,
  cyValorTotal INTEGER NOT NULL, cyICMSDispensado INTEGER, llPesoLiquido8 INTEGER,
  cyReducaoBCICMSOpInterna INTEGER, cyAliquotaRedAcrescimoICMS INTEGER, cyICMSFCP INTEGER,
  cyICMSUFDestinatario INTEGER, cyICMSUFRemetente INTEGER, lChaveAjusteEFD INTEGER,
  iAliquotaICMS INTEGER, iAliquotaIPI INTEGER, iAliquotaReducaoIPI INTEGER,
  iAliquotaICMSST INTEGER, iAliquotaReducaoICMSST INTEGER, iAliquotaAcrescimoICMSST INTEGER,
  iQtdRateio INTEGER NOT NULL DEFAULT 0, iQtdDetalhes INTEGER NOT NULL DEFAULT 0,
  iPonteiroUnidadeMedida INTEGER, iPonteiroCFOP INTEGER,
  szClassificacaoFiscal TEXT, szComplemento TEXT, szCodigoTributacaoIPI TEXT,
  byPonteiroSitTributaria INTEGER, byReducaoAcrescimoICMS INTEGER, byLivreCobranca INTEGER,
  byIgnorar INTEGER, byCasasValorUnitario INTEGER, byIndicadorMovimentacao INTEGER,
  PRIMARY KEY (lPosicaoNota, nItem)
);

CREATE TABLE nf_detalhe_estoque (
  lPosicaoNota INTEGER NOT NULL,
  nItem INTEGER NOT NULL,
  nDetalhe INTEGER NOT NULL,
  regLote_lPonteiroLoteES INTEGER, regLote_dmaFabricacao TEXT, regLote_dmaValidade TEXT,
  regLote_iDiasValidade INTEGER, regLote_szNumeroLote TEXT,
  regVolume_lPonteiroVolumeES INTEGER, regVolume_szVolume TEXT,
  cyQuantidade INTEGER NOT NULL, iLocal INTEGER, iLocalSaida INTEGER,
  PRIMARY KEY (lPosicaoNota, nItem, nDetalhe)
);

CREATE TABLE nf_item_servico (
  lPosicaoNota INTEGER NOT NULL REFERENCES nota_fiscal(lPosicao),
  nItem INTEGER NOT NULL,
  cyQuantidade INTEGER NOT NULL, llValorUnitarioV8 INTEGER, llDescontoUnitarioV8 INTEGER,
  cyValorRetencao1 INTEGER, cyBaseRetencao6 INTEGER, cyValorRetencao6 INTEGER,
  cyValorLiquido INTEGER, cyValorTotal INTEGER NOT NULL, cyValorRetencao5 INTEGER,
  cyValorRetencao2 INTEGER, cyValorRetencao3 INTEGER, cyValorRetencao4 INTEGER,
  cyBaseRetencao1 INTEGER, cyBaseRetencao2e5 INTEGER, lPonteiroServico INTEGER,
  iAliquotaRetencao1 INTEGER, iAliquotaRetencao6 INTEGER, iRetemFederais INTEGER,
  iAliquotaRetencao2 INTEGER, iAliquotaRetencao3 INTEGER, iAliquotaRetencao4 INTEGER,
  iQtdRateio INTEGER NOT NULL DEFAULT 0, iAliquotaRetencao5 INTEGER, iUnidadeMedida INTEGER,
  iPonteiroSitServico INTEGER, szComplemento TEXT, byLivreCobranca INTEGER,
  byCasasValorUnitario INTEGER, byQtdDeducoes6 INTEGER NOT NULL DEFAULT 0,
  byQtdDeducoes5 INTEGER NOT NULL DEFAULT 0, byQtdDeducoes1 INTEGER NOT NULL DEFAULT 0,
  PRIMARY KEY (lPosicaoNota, nItem)
);

-- Deduções de uma retenção: nRetencao 1, 5 ou 6 diz o vetor.
CREATE TABLE nf_deducao (
  lPosicaoNota INTEGER NOT NULL,
  nItem INTEGER NOT NULL,
  nRetencao INTEGER NOT NULL CHECK (nRetencao IN (1, 5, 6)),
  nOrdem INTEGER NOT NULL,
  cyValor INTEGER NOT NULL, szDescricao TEXT, bySinal INTEGER,
  PRIMARY KEY (lPosicaoNota, nItem, nRetencao, nOrdem)
);

-- Rateio: cOrigem 'P' item de produto, 'S' item de serviço, 'N' nota inteira (nItem 0).
CREATE TABLE nf_rateio (
  lPosicaoNota INTEGER NOT NULL,
  cOrigem TEXT NOT NULL CHECK (cOrigem IN ('P', 'S', 'N')),
  nItem INTEGER NOT NULL,
  nLinha INTEGER NOT NULL,
  cyValor INTEGER NOT NULL, cyQuantidade INTEGER, lContaEmpresarialNF INTEGER,
  iQtdGerencial INTEGER NOT NULL DEFAULT 0,
  PRIMARY KEY (lPosicaoNota, cOrigem, nItem, nLinha)
);

CREATE TABLE nf_rateio_gerencial (
  lPosicaoNota INTEGER NOT NULL,
  cOrigem TEXT NOT NULL,
  nItem INTEGER NOT NULL,
  nLinha INTEGER NOT NULL,
  nGerencial INTEGER NOT NULL,
  cyValor INTEGER NOT NULL, lPlanoEmpresarial INTEGER, lPlanoGerencial INTEGER,
  PRIMARY KEY (lPosicaoNota, cOrigem, nItem, nLinha, nGerencial)
);

CREATE TABLE nf_parcela (
  lPosicaoNota INTEGER NOT NULL,
  byOrdem INTEGER NOT NULL,
  cyValor INTEGER NOT NULL, dmaVencimento TEXT, byTipoVencimento INTEGER,
  PRIMARY KEY (lPosicaoNota, byOrdem)
);

CREATE TABLE nf_mensagem (
  lPosicaoNota INTEGER NOT NULL,
  nOrdem INTEGER NOT NULL,
  iCodigo INTEGER, byDestino INTEGER NOT NULL, szTexto TEXT NOT NULL,
  PRIMARY KEY (lPosicaoNota, nOrdem)
);

-- Consultas do módulo: autorizações de compra (o código pode repetir entre filiais),
-- periodicidades (iUnidade 0 dia, 1 mês, 2 ano; o código pode repetir) e condições
-- de pagamento, com a validade e as marcas de uso pelos módulos 13/19 e 14.
CREATE TABLE autorizacao_compra (
  lPonteiro INTEGER PRIMARY KEY,
  szCodigo TEXT NOT NULL,
  szNome TEXT NOT NULL
);

CREATE TABLE periodicidade (
  iPonteiro INTEGER PRIMARY KEY,
  iCodigo INTEGER NOT NULL,
  iUnidade INTEGER NOT NULL,
  iQuantidade INTEGER NOT NULL,
  szNome TEXT NOT NULL
);

CREATE TABLE condicao_pagamento (
  iPonteiro INTEGER PRIMARY KEY,
  szCodigo TEXT NOT NULL UNIQUE,
  szNome TEXT NOT NULL,
  dmaValidade TEXT,
  byPeriodicidade INTEGER NOT NULL DEFAULT 0,
  byParcelas INTEGER NOT NULL DEFAULT 1,
  byModulo13 INTEGER NOT NULL DEFAULT 1,
  byModulo14 INTEGER NOT NULL DEFAULT 1
);

-- Log de transações: cada operação feita num documento, com a chave do documento
-- (REG_QZDMC em duas palavras), o tipo de documento do filtro do log, o usuário, o
-- momento "AAAA-MM-DD HH:MM:SS", a operação e a descrição.
CREATE TABLE log_transacao (
  lChave INTEGER PRIMARY KEY,
  dwDocBaixo INTEGER NOT NULL,
  dwDocAlto INTEGER NOT NULL,
  byTipoDocumento INTEGER NOT NULL,
  nUsuario INTEGER NOT NULL,
  szMomento TEXT NOT NULL,
  szOperacao TEXT NOT NULL,
  szDescricao TEXT NOT NULL
);
CREATE INDEX log_transacao_documento ON log_transacao (dwDocBaixo, dwDocAlto);

-- Ordens de compra: o fornecedor, a emissão, se já foram liberadas e a filial (0 nas
-- de antes das filiais); as parcelas, cada uma com o vencimento e as contas contábil
-- e gerencial a que se apropria inteira quando não tem rateio (oc_rateio).
CREATE TABLE ordem_compra (
  lNumero INTEGER PRIMARY KEY,
  lFornecedor INTEGER NOT NULL,
  dmaEmissao TEXT NOT NULL,
  byLiberada INTEGER NOT NULL DEFAULT 0,
  iFilial INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE oc_parcela (
  lNumero INTEGER NOT NULL REFERENCES ordem_compra(lNumero),
  byOrdem INTEGER NOT NULL,
  dmaVencimento TEXT NOT NULL,
  cyValor INTEGER NOT NULL,
  lContaContabil INTEGER NOT NULL,
  lContaGerencial INTEGER NOT NULL,
  PRIMARY KEY (lNumero, byOrdem)
);

-- Orçamento de compras: o valor previsto para um par de contas (contábil e
-- gerencial, 0 sem gerencial) de uma filial nos vencimentos de um período (início e
-- fim inclusive). Filial 0 é o orçamento de antes das filiais, que vale para as
-- ordens sem filial.
CREATE TABLE orcamento (
  lContaContabil INTEGER NOT NULL,
  lContaGerencial INTEGER NOT NULL,
  dmaInicio TEXT NOT NULL,
  dmaFim TEXT NOT NULL,
  cyValor INTEGER NOT NULL,
  iFilial INTEGER NOT NULL DEFAULT 0,
  PRIMARY KEY (iFilial, lContaContabil, lContaGerencial, dmaInicio)
);

-- Rateio das parcelas da ordem de compra: a parte do valor de uma parcela que cabe a
-- um par de contas. A parcela com rateio se apropria só pelas suas partes.
CREATE TABLE oc_rateio (
  lNumero INTEGER NOT NULL,
  byOrdem INTEGER NOT NULL,
  lContaContabil INTEGER NOT NULL,
  lContaGerencial INTEGER NOT NULL,
  cyValor INTEGER NOT NULL,
  PRIMARY KEY (lNumero, byOrdem, lContaContabil, lContaGerencial)
);

CREATE INDEX oc_parcela_conta ON oc_parcela(lContaContabil, lContaGerencial, dmaVencimento);
CREATE INDEX oc_rateio_conta ON oc_rateio(lContaContabil, lContaGerencial);
CREATE INDEX oc_parcela_vencimento ON oc_parcela(dmaVencimento);

-- Históricos desativados nos lançamentos: a lista de cada número, na ordem em que foi
-- gravada (os códigos são de historico).
CREATE TABLE historico_desativado (
  nNumero INTEGER NOT NULL,
  nOrdem INTEGER NOT NULL,
  iHistorico INTEGER NOT NULL,
  PRIMARY KEY (nNumero, nOrdem)
);
